{ Variant arithmetic with conversions between numbers and strings. }
function Main(var V: Variant): Boolean;
var
  A, B, C: Variant;
  S: string;
  I: Integer;
  D: Double;
begin
  A := 5; B := '7'; C := A + B; I := C; WriteLn('5 + ''7'' = ' + IntToStr(I) + ' type ' + IntToStr(VarType(C)));
  A := '5'; B := 7; C := A + B; S := C; WriteLn('''5'' + 7 = ' + S + ' type ' + IntToStr(VarType(C)));
  A := '5'; B := '7'; C := A + B; S := C; WriteLn('''5'' + ''7'' = ' + S + ' type ' + IntToStr(VarType(C)));
  A := 10; B := 4; C := A / B; D := C; WriteLn('10 / 4 = ' + FloatToStr(D) + ' type ' + IntToStr(VarType(C)));
  A := 10; B := 4; C := A div B; I := C; WriteLn('10 div 4 = ' + IntToStr(I) + ' type ' + IntToStr(VarType(C)));
  A := 10; B := 4; C := A mod B; I := C; WriteLn('10 mod 4 = ' + IntToStr(I));
  A := 2.5; B := 2; C := A * B; D := C; WriteLn('2.5 * 2 = ' + FloatToStr(D) + ' type ' + IntToStr(VarType(C)));
  A := 7; C := -A; I := C; WriteLn('-7 = ' + IntToStr(I));
  A := 2147483647; B := 1; C := A + B; S := C; WriteLn('MaxInt + 1 = ' + S + ' type ' + IntToStr(VarType(C)));
  A := 6; B := 3; C := A and B; I := C; WriteLn('6 and 3 = ' + IntToStr(I));
  A := 1; B := 4; C := A shl B; I := C; WriteLn('1 shl 4 = ' + IntToStr(I));
  Result := True;
end;
