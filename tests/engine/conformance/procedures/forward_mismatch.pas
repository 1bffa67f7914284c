{ The body's parameters differ from the forward declaration. }
function F(A: Integer): Integer; forward;
function F(A: string): Integer;
begin
  Result := 1;
end;
function Main(var V: Variant): Boolean;
begin
  Result := F(1) = 1;
end;
