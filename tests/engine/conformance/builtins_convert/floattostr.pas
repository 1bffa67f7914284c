{ FloatToStr always prints 12 decimals, with rounding of the last one. }
procedure T(D: Extended);
begin
  WriteLn(FloatToStr(D));
end;
function Main(var V: Variant): Boolean;
var
  D: Double;
begin
  T(0); T(1); T(-1); T(0.5); T(2.5); T(1/3); T(0.1234567890126); T(0.0000000000006);
  T(0.0000000000004); T(123456789.125); T(-2.0000000000004); T(-0.000001);
  D := 1; D := D / 3; T(D);
  D := 100; T(D);
  Result := True;
end;
