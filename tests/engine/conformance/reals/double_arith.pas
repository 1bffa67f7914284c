{ Double arithmetic and FloatToStr's fixed 12 decimals. }
function Main(var V: Variant): Boolean;
var
  A, B, C: Double;
begin
  A := 1.5; B := 0.25;
  C := A + B; WriteLn('1.5+0.25=' + FloatToStr(C));
  C := A - B; WriteLn('1.5-0.25=' + FloatToStr(C));
  C := A * B; WriteLn('1.5*0.25=' + FloatToStr(C));
  C := A / B; WriteLn('1.5/0.25=' + FloatToStr(C));
  A := 1; B := 3; C := A / B; WriteLn('1/3=' + FloatToStr(C));
  A := 2; B := 3; C := A / B; WriteLn('2/3=' + FloatToStr(C));
  A := 0.1; B := 0.2; C := A + B; WriteLn('0.1+0.2=' + FloatToStr(C));
  A := -7.5; WriteLn('-7.5=' + FloatToStr(A));
  A := 1e20; WriteLn('1e20=' + FloatToStr(A));
  A := 1e-5; WriteLn('1e-5=' + FloatToStr(A));
  A := 1e-13; WriteLn('1e-13=' + FloatToStr(A));
  A := 123456789012345678; WriteLn('1.2e17=' + FloatToStr(A));
  A := 0; WriteLn('0=' + FloatToStr(A));
  A := -0.0000000000004; WriteLn('-4e-13=' + FloatToStr(A));
  Result := True;
end;
