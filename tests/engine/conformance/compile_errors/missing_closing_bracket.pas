function Main(var V: Variant): Boolean;
var
  A: array of Integer;
begin
  SetLength(A, 2);
  A[0 := 1;
  Result := True;
end;
