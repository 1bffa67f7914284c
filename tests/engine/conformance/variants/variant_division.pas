{ Variant / and div (the same operator): real division when the left side
  is a real (Single, Double, Currency), integer division of both sides
  otherwise, texts and Booleans included. }
function VS(X: Variant): string; var S: string; begin S := X; Result := S; end;
procedure T(const Name: string; X, Y: Variant; Op: Integer);
var R: Variant;
begin
  try
    case Op of
      0: R := X / Y;
      1: R := X div Y;
      2: R := X mod Y;
      3: R := X * Y;
      4: R := X + Y;
      5: R := X - Y;
    end;
    WriteLn(Name + ' = ' + IntToStr(VarType(R)) + ' ' + VS(R));
  except
    WriteLn(Name + ' : ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
end;
function Main(var V: Variant): Boolean;
var S: Single; Cu: Currency; L: Int64; B: Byte;
begin
  S := 2.5; Cu := 2.5; L := 7; B := 7;
  T('7 / 2', 7, 2, 0); T('7 / 2.5', 7, 2.5, 0); T('7 / 3.5', 7, 3.5, 0); T('2.5 / 2', 2.5, 2, 0); T('''8'' / 2', '8', 2, 0);
  T('''8'' / ''2''', '8', '2', 0); T('''7.5'' / 2', '7.5', 2, 0); T('True / 1', True, 1, 0); T('S / 2', S, 2, 0);
  T('Cu / 2', Cu, 2, 0); T('L / 2', L, 2, 0); T('B / 2', B, 2, 0); T('7 / 0', 7, 0, 0); T('7.0 / 0', 7.0, 0, 0);
  T('''8'' / 0.1', '8', 0.1, 0); T('''1.5'' / 0.1', '1.5', 0.1, 0);
  T('7 div 2', 7, 2, 1); T('7.5 div 2', 7.5, 2, 1); T('7 div 2.5', 7, 2.5, 1); T('''7'' div 2', '7', 2, 1);
  T('7 mod 2.5', 7, 2.5, 2); T('7.5 mod 2', 7.5, 2, 2);
  T('2.5 * 2', 2.5, 2, 3); T('S * 2', S, 2, 3); T('Cu * 2', Cu, 2, 3); T('''2'' * 3', '2', 3, 3); T('''2.5'' * 3', '2.5', 3, 3);
  T('3 * ''2.5''', 3, '2.5', 3); T('2 + 0.5', 2, 0.5, 4); T('''2'' + 0.5', '2', 0.5, 4); T('0.5 + ''2''', 0.5, '2', 4);
  T('True + 1', True, 1, 4); T('MaxInt + 1', 2147483647, 1, 4); T('B + 1', B, 1, 4);
  T('L + 1', L, 1, 4); T('S + 1', S, 1, 4); T('Cu + 1', Cu, 1, 4); T('S + 0.1', S, 0.1, 4); T('2.5 - ''1''', 2.5, '1', 5);
  Result := True;
end;
