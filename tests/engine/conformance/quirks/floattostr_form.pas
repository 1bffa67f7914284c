{ FloatToStr always prints 12 decimals, never an exponent for ordinary magnitudes. }
function Main(var V: Variant): Boolean;
var
  D: Double;
  S: Single;
  C: Currency;
begin
  D := 2.5; WriteLn(FloatToStr(D));
  D := 1e15; WriteLn(FloatToStr(D));
  D := -123.456; WriteLn(FloatToStr(D));
  D := 1 / 7.0; WriteLn(FloatToStr(D));
  S := 2.5; WriteLn(FloatToStr(S));
  C := 2.5; WriteLn(FloatToStr(C));
  WriteLn(FloatToStr(7));
  Result := True;
end;
