{ Integer/real mixing: integer / integer is integer division; a real
  operand (on either side) makes the operation real. }
function Main(var V: Variant): Boolean;
var
  I, J: Integer;
  D: Double;
begin
  I := 7; J := 2;
  D := I / J; WriteLn('I/J=' + FloatToStr(D));
  D := I; D := D / J; WriteLn('D(7)/J=' + FloatToStr(D));
  D := Double(I) / J; WriteLn('Double(I)/J=' + FloatToStr(D));
  D := 2.0; D := I / D; WriteLn('I/D(2.0)=' + FloatToStr(D));
  D := 7 / 2; WriteLn('7/2 literal=' + FloatToStr(D));
  D := 7.0 / 2; WriteLn('7.0/2=' + FloatToStr(D));
  D := 1 / 3; WriteLn('1/3=' + FloatToStr(D));
  D := I + 0.5; WriteLn('I+0.5=' + FloatToStr(D));
  D := 0.5 + I; WriteLn('0.5+I=' + FloatToStr(D));
  D := I * 1.5; WriteLn('I*1.5=' + FloatToStr(D));
  I := -7; J := 2;
  D := I / J; WriteLn('-7/2=' + FloatToStr(D));
  Result := True;
end;
