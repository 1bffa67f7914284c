{ Boolean operators, comparisons of booleans, Ord and Succ/Pred. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  T, F, X: Boolean;
begin
  T := True; F := False;
  WriteLn('and ' + BS(T and F) + ' or ' + BS(T or F) + ' xor ' + BS(T xor T) + ' not ' + BS(not F));
  WriteLn('T=T ' + BS(T = T) + ' T<>F ' + BS(T <> F) + ' F=F ' + BS(F = F));
  WriteLn('Ord(T)=' + IntToStr(Ord(T)) + ' Ord(F)=' + IntToStr(Ord(F)));
  X := Succ(F); WriteLn('Succ(F)=' + BS(X));
  X := Pred(T); WriteLn('Pred(T)=' + BS(X));
  X := (1 < 2) and (3 > 2); WriteLn('(1<2) and (3>2) ' + BS(X));
  X := not (T and F) or F; WriteLn('not (T and F) or F ' + BS(X));
  Result := True;
end;
