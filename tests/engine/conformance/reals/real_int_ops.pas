{ Single, Currency and Extended mixed with integers. }
function Main(var V: Variant): Boolean;
var
  S: Single;
  C: Currency;
  E: Extended;
  D: Double;
  I: Integer;
begin
  I := 3;
  S := 1.5; S := S + I; WriteLn('Single+I=' + FloatToStr(S));
  C := 1.5; C := C * I; WriteLn('Currency*I=' + FloatToStr(C));
  C := 10; C := C / I; WriteLn('Currency/I=' + FloatToStr(C));
  E := 2; E := E / I; WriteLn('Extended/I=' + FloatToStr(E));
  D := I; D := D - 0.25; WriteLn('Double-0.25=' + FloatToStr(D));
  D := -I; WriteLn('D := -I ' + FloatToStr(D));
  D := I * 2; WriteLn('D := I*2 ' + FloatToStr(D));
  D := I / 2; WriteLn('D := I/2 ' + FloatToStr(D));
  D := 2.5; D := -D; WriteLn('D := -D ' + FloatToStr(D));
  Result := True;
end;
