{ FloatToStr prints 12 decimals, but only about 21 significant digits are
  real: past them the decimals are zero-filled (values here are Doubles whose
  exact binary expansions are longer). }
procedure T(D: Double);
begin
  WriteLn(FloatToStr(D));
end;
function Main(var V: Variant): Boolean;
var
  D: Double;
begin
  T(2147483647.4);
  T(0.1);
  T(1234567890.1);
  T(98765432109.87);
  D := 2; D := D / 3; T(D * 1000000000);
  T(1e-12);
  T(123456789012.1);
  Result := True;
end;
