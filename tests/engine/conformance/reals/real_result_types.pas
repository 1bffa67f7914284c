{ Real arithmetic is done in the left operand's real type, or the right
  one's when the left is an integer: with a Single the result is rounded to
  Single, with a Currency to four decimals. }
function Main(var V: Variant): Boolean;
var S, S2: Single; D: Double; E: Extended; C: Currency; I: Integer; B: Byte; R: Double;
begin
  S := 0.1; S2 := 3; D := 0.1; E := 0.1; C := 0.1; I := 3; B := 3;
  R := S * I; WriteLn('S*I ' + FloatToStr(R));
  R := I * S; WriteLn('I*S ' + FloatToStr(R));
  R := B * S; WriteLn('B*S ' + FloatToStr(R));
  R := S * D; WriteLn('S*D ' + FloatToStr(R));
  R := D * S; WriteLn('D*S ' + FloatToStr(R));
  R := S / S2; WriteLn('S/S2 ' + FloatToStr(R));
  R := S + 0.2; WriteLn('S+0.2 ' + FloatToStr(R));
  R := 0.2 + S; WriteLn('0.2+S ' + FloatToStr(R));
  R := E * S; WriteLn('E*S ' + FloatToStr(R));
  R := C * S; WriteLn('C*S ' + FloatToStr(R));
  R := S * C; WriteLn('S*C ' + FloatToStr(R));
  R := C / I; WriteLn('C/I ' + FloatToStr(R));
  R := I / C; WriteLn('I/C ' + FloatToStr(R));
  R := D / 3; WriteLn('D/3 ' + FloatToStr(R));
  WriteLn('FloatToStr(S*I) ' + FloatToStr(S * I));
  V := S * I;
  Result := True;
end;
