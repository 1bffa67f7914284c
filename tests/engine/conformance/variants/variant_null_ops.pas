{ Null propagates through arithmetic and concatenation; comparisons with Null. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  N, X, R: Variant;
begin
  N := Null; X := 5;
  R := N * X; WriteLn('Null * 5 null: ' + BS(VarIsNull(R)));
  R := X - N; WriteLn('5 - Null null: ' + BS(VarIsNull(R)));
  R := N + 'a'; WriteLn('Null + ''a'' null: ' + BS(VarIsNull(R)));
  WriteLn('Null = 5: ' + BS(N = X) + ', Null <> 5: ' + BS(N <> X));
  WriteLn('Null < 5: ' + BS(N < X) + ', Null > 5: ' + BS(N > X));
  X := Unassigned;
  WriteLn('Null = Unassigned: ' + BS(N = X));
  Result := True;
end;
