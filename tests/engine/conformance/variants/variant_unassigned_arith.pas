{ Unassigned in arithmetic gives Unassigned, on either side and with any
  operand, texts included (Null gives Null). }
function VS(X: Variant): string; var S: string; begin S := X; Result := S; end;
function Main(var V: Variant): Boolean;
var X, R: Variant; S: string; I: Integer;
begin
  X := Unassigned;
  R := X + 'a'; WriteLn('Unassigned + ''a'' ' + IntToStr(VarType(R)) + ' ''' + VS(R) + '''');
  R := 'a' + X; WriteLn('''a'' + Unassigned ' + IntToStr(VarType(R)));
  S := 'b'; R := S + X; WriteLn('S + Unassigned ' + IntToStr(VarType(R)));
  R := X + S; WriteLn('Unassigned + S ' + IntToStr(VarType(R)));
  I := 5; R := I + X; WriteLn('I + Unassigned ' + IntToStr(VarType(R)));
  R := X * 2; WriteLn('Unassigned * 2 ' + IntToStr(VarType(R)));
  R := 2 - X; WriteLn('2 - Unassigned ' + IntToStr(VarType(R)));
  R := X + X; WriteLn('Unassigned + Unassigned ' + IntToStr(VarType(R)));
  R := X and 1; WriteLn('Unassigned and 1 ' + IntToStr(VarType(R)));
  R := Null; R := R + X; WriteLn('Null + Unassigned ' + IntToStr(VarType(R)));
  X := Unassigned;
  for I := 1 to 3 do X := X + 'x';
  WriteLn('appended to Unassigned: ' + IntToStr(VarType(X)));
  Result := True;
end;
