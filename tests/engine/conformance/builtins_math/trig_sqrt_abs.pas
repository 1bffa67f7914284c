{ Sin, Cos, Sqrt, Abs, Pi. }
function Main(var V: Variant): Boolean;
var
  D: Double;
  I: Integer;
begin
  WriteLn('Pi=' + FloatToStr(Pi));
  WriteLn('Sin(0)=' + FloatToStr(Sin(0)) + ' Sin(Pi/2)=' + FloatToStr(Sin(Pi / 2)));
  WriteLn('Cos(0)=' + FloatToStr(Cos(0)) + ' Cos(Pi)=' + FloatToStr(Cos(Pi)));
  WriteLn('Sqrt(2)=' + FloatToStr(Sqrt(2)) + ' Sqrt(144)=' + FloatToStr(Sqrt(144)));
  I := -3;
  WriteLn('Abs(-3)=' + FloatToStr(Abs(I)));
  D := -2.25;
  WriteLn('Abs(-2.25)=' + FloatToStr(Abs(D)));
  WriteLn('Round(Abs(-7))=' + IntToStr(Round(Abs(-7))));
  Result := True;
end;
