{ Variant comparisons across kinds (= < > in turn): a number below 32 bits
  against a Boolean compares as a Boolean, a Boolean against a number as
  the number -1; a text against a Boolean compares the texts; a text against
  a number as numbers. A typed left side reads the Variant as its own type:
  a Byte a one-character text as its code, a string the Variant as a text. }
function BS(B: Boolean): string; begin if B then Result := 'T' else Result := 'F'; end;
procedure C(const Name: string; X, Y: Variant);
begin
  try
    WriteLn(Name + ' = ' + BS(X = Y) + BS(X < Y) + BS(X > Y));
  except
    WriteLn(Name + ' : ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
end;
function Main(var V: Variant): Boolean;
var X: Variant; B: Byte; S: string; I: Integer; L: Int64; D: Double; Bo: Boolean;
begin
  C('3 ? True', 3, True); C('0 ? False', 0, False); C('''4'' ? True', '4', True); C('True ? ''4''', True, '4');
  C('True ? 3', True, 3); C('2.5 ? ''2.5''', 2.5, '2.5'); C('''abc'' ? 1', 'abc', 1); C('True ? ''True''', True, 'True');
  C('''10'' ? ''9''', '10', '9'); C('10 ? ''9''', 10, '9'); C('False ? True', False, True); C('-1 ? True', -1, True);
  C('1.5 ? True', 1.5, True); C('5000000000 ? True', 5000000000, True); C('Unassigned ? 0', Unassigned, 0);
  C('Unassigned ? ''''', Unassigned, '');
  X := 'A'; B := 65; S := 'B'; I := 65; L := 65; D := 65; Bo := True;
  WriteLn('Byte 65 = ''A'' ' + BS(B = X) + ', string ''B'' > ''A'' ' + BS(S > X));
  X := '10';
  WriteLn('string ''B'' > ''10'' ' + BS(S > X) + ', Int64 65 > ''10'' ' + BS(L > X) + ', Double 65 > ''10'' ' + BS(D > X));
  X := True;
  WriteLn('Boolean True = True ' + BS(Bo = X) + ', Boolean True < True ' + BS(Bo < X) + ', Byte 65 < True ' + BS(B < X));
  X := '12';
  try
    if B = X then WriteLn('Byte = ''12''');
  except
    WriteLn('Byte = ''12'': ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  Result := True;
end;
