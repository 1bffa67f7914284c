{ Char: Ord/Chr, comparisons, Succ/Pred, char in string context. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  C, D: Char;
  S: string;
begin
  C := 'A';
  WriteLn('Ord(A)=' + IntToStr(Ord(C)));
  D := Chr(Ord(C) + 1); WriteLn('next=' + D);
  WriteLn('A<B ' + BS(C < 'B') + ' A=A ' + BS(C = 'A'));
  S := C; WriteLn('string := char -> ' + S + ' len=' + IntToStr(Length(S)));
  S := string(C) + 'x'; WriteLn('string(C)+x -> ' + S);
  C := Chr(0); WriteLn('Chr(0) ord=' + IntToStr(Ord(C)));
  C := Chr(255); WriteLn('Chr(255) ord=' + IntToStr(Ord(C)));
  C := Chr(256 + 65); WriteLn('Chr(321) ord=' + IntToStr(Ord(C)));
  C := #9; WriteLn('tab ord=' + IntToStr(Ord(C)));
  Result := True;
end;
