{ Calling a routine with too many arguments. }
function F(A: Integer): Integer;
begin
  Result := A;
end;
function Main(var V: Variant): Boolean;
begin
  Result := F(1, 2) = 1;
end;
