{ Maths functions inside larger expressions: results are Extended, so they
  mix with integers and other reals without casts. }
function Main(var V: Variant): Boolean;
var
  D: Double;
  I: Integer;
begin
  I := 9;
  D := Sqrt(I) * 2 + 1; WriteLn('Sqrt(9)*2+1=' + FloatToStr(D));
  D := Abs(-I) / 2; WriteLn('Abs(-9)/2=' + FloatToStr(D));
  D := Sin(0) + Cos(0) * I; WriteLn('Sin(0)+Cos(0)*9=' + FloatToStr(D));
  I := Round(Sqrt(50)); WriteLn('Round(Sqrt(50))=' + IntToStr(I));
  I := Trunc(Pi * 100); WriteLn('Trunc(Pi*100)=' + IntToStr(I));
  D := Int(Pi * 1000) / 1000; WriteLn('Int(Pi*1000)/1000=' + FloatToStr(D));
  Result := True;
end;
