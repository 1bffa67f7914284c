{ Currency rounds to even at four decimals: a literal half (0.00015) counts as
  a half, a computed double just below it rounds down. }
function Main(var V: Variant): Boolean;
var
  C: Currency;
  D: Double;
begin
  C := 0.00025; WriteLn(FloatToStr(C));
  C := 0.00035; WriteLn(FloatToStr(C));
  C := -0.00015; WriteLn(FloatToStr(C));
  C := -0.00025; WriteLn(FloatToStr(C));
  C := 1.00005; WriteLn(FloatToStr(C));
  D := 0.00015; C := D; WriteLn(FloatToStr(C));
  D := 1; D := D / 3; C := D * 0.00045; WriteLn(FloatToStr(C));
  Result := True;
end;
