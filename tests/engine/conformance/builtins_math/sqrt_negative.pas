{ Sqrt of a negative number. }
function Main(var V: Variant): Boolean;
var
  D: Double;
begin
  D := -1;
  D := Sqrt(D);
  WriteLn('Sqrt(-1)=' + FloatToStr(D));
  Result := True;
end;
