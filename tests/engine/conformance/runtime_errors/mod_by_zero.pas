function Main(var V: Variant): Boolean;
var
  A, B: Integer;
begin
  B := 0;
  A := 10 mod B;
  Result := A > 0;
end;
