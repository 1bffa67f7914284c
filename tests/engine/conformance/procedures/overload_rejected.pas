{ Overloads are not supported. }
function F(A: Integer): Integer; overload;
begin
  Result := A;
end;
function Main(var V: Variant): Boolean;
begin
  Result := F(1) = 1;
end;
