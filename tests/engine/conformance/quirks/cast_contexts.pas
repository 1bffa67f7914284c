{ A cast of a variable relabels it where it is stored or passed whole (an
  assignment, an argument, an index, a for bound, under unary minus), and
  narrows it where it is an operand (of an operator or a comparison, a case
  selector, an array item). A cast inside a cast narrows first. }
type TR = record F: Integer; end;
function BS(B: Boolean): string; begin if B then Result := 'T' else Result := 'F'; end;
function Id(X: Integer): Integer; begin Result := X; end;
function Main(var V: Variant): Boolean;
var I, J, K: Integer; A: array of Integer; S: string; R: TR; L: Int64; W: Variant;
begin
  I := 300;
  J := 0 + Byte(I); WriteLn('0 + Byte(I) ' + IntToStr(J));
  WriteLn('Byte(I) = 44 ' + BS(Byte(I) = 44) + ', 44 = Byte(I) ' + BS(44 = Byte(I)) + ', Byte(I) <> 300 ' + BS(Byte(I) <> 300));
  SetLength(A, 50);
  case Byte(I) of 44: WriteLn('case 44'); 300: WriteLn('case 300'); else WriteLn('case else'); end;
  K := 0;
  for J := Byte(I) to 299 do K := K + 1;
  WriteLn('for from Byte(I) to 299 runs ' + IntToStr(K));
  W := Byte(I); WriteLn('Variant ' + IntToStr(VarType(W)) + ' ' + IntToStr(W));
  R.F := Byte(I); WriteLn('field ' + IntToStr(R.F));
  A[0] := Byte(I); WriteLn('element ' + IntToStr(A[0]));
  L := Byte(I); WriteLn('Int64 ' + IntToStr(L));
  J := -Byte(I); WriteLn('-Byte(I) ' + IntToStr(J));
  J := Id(Byte(I)); WriteLn('argument ' + IntToStr(J));
  J := (Byte(I)); WriteLn('parenthesised ' + IntToStr(J));
  J := Byte(I) div 1; WriteLn('Byte(I) div 1 ' + IntToStr(J));
  A := [Byte(I), 1]; WriteLn('array item ' + IntToStr(A[0]));
  S := 'abcdefghij'; I := 258;
  WriteLn('Copy(S, Byte(258), 1) ''' + Copy(S, Byte(I), 1) + '''');
  I := 70000;
  J := Byte(Word(I)); WriteLn('Byte(Word(70000)) ' + IntToStr(J));
  J := Word(Byte(I)); WriteLn('Word(Byte(70000)) ' + IntToStr(J));
  Result := True;
end;
