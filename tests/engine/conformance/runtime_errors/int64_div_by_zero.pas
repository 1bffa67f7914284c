function Main(var V: Variant): Boolean;
var
  A, B: Int64;
begin
  B := 0;
  A := 10;
  A := A div B;
  Result := A > 0;
end;
