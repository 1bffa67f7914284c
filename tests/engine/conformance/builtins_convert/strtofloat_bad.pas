{ StrToFloat with a comma as decimal separator raises Invalid float. }
function Main(var V: Variant): Boolean;
var
  D: Double;
begin
  D := StrToFloat('1,5');
  WriteLn(FloatToStr(D));
  Result := True;
end;
