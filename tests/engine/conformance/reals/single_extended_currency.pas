{ Single, Extended and Currency storage and precision. }
function Main(var V: Variant): Boolean;
var
  S: Single;
  E: Extended;
  C: Currency;
  D: Double;
begin
  S := 0.1; D := S; WriteLn('single 0.1=' + FloatToStr(D));
  S := 16777217; WriteLn('single 16777217=' + FloatToStr(S));
  E := 1; E := E / 3; WriteLn('extended 1/3=' + FloatToStr(E));
  C := 1.23456; WriteLn('currency 1.23456=' + FloatToStr(C));
  C := 0.00005; WriteLn('currency 0.00005=' + FloatToStr(C));
  C := 0.00015; WriteLn('currency 0.00015=' + FloatToStr(C));
  C := 10; C := C / 3; WriteLn('currency 10/3=' + FloatToStr(C));
  C := 922337203685477; WriteLn('currency big=' + FloatToStr(C));
  Result := True;
end;
