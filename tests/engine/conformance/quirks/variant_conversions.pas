{ Variant conversion corners: string + number, number + string, integer
  division of integer variants, Int64 promotion, Boolean as -1, rounding to
  even when a Double variant goes into an Integer. }
function Main(var V: Variant): Boolean;
var
  A, B, C: Variant;
  S: string;
  I: Integer;
begin
  A := 5; B := '7'; C := A + B; S := C; WriteLn('5 + ''7'' = ' + S + ' (' + IntToStr(VarType(C)) + ')');
  A := '5'; B := '7'; C := A + B; S := C; WriteLn('''5'' + ''7'' = ' + S + ' (' + IntToStr(VarType(C)) + ')');
  A := 7; B := 2; C := A / B; S := C; WriteLn('7 / 2 = ' + S + ' (' + IntToStr(VarType(C)) + ')');
  A := 7.0; B := 2; C := A / B; S := C; WriteLn('7.0 / 2 = ' + S + ' (' + IntToStr(VarType(C)) + ')');
  A := 2147483647; C := A * 2; S := C; WriteLn('MaxInt * 2 = ' + S + ' (' + IntToStr(VarType(C)) + ')');
  A := True; I := A; WriteLn('True -> ' + IntToStr(I));
  A := 4.5; I := A; WriteLn('4.5 -> ' + IntToStr(I));
  A := 5.5; I := A; WriteLn('5.5 -> ' + IntToStr(I));
  A := 1.5; S := A; WriteLn('1.5 -> ''' + S + '''');
  A := 1e20; S := A; WriteLn('1e20 -> ''' + S + '''');
  A := 0.1; S := A; WriteLn('0.1 -> ''' + S + '''');
  Result := True;
end;
