{ Assigning an array of Variant to a Variant produces a variant array;
  VarArrayGet/VarArraySet (note its parameter order) and the host's
  VarGetIndexed/VarSetIndexed/VarArraySize/VarIsArray work on it. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  A: TVariantArray;
  X: Variant;
  I: Integer;
  S: string;
begin
  SetLength(A, 3);
  A[0] := 10; A[1] := 'two'; A[2] := 3.5;
  X := A;
  WriteLn('VarIsArray ' + BS(VarIsArray(X)) + ' size ' + IntToStr(VarArraySize(X)) + ' vartype ' + IntToStr(VarType(X)));
  I := VarArrayGet(X, 0); WriteLn('[0]=' + IntToStr(I));
  S := VarArrayGet(X, 1); WriteLn('[1]=' + S);
  VarArraySet(99, 0, X);
  I := VarGetIndexed(X, 0); WriteLn('after VarArraySet [0]=' + IntToStr(I));
  VarSetIndexed(X, 2, 'last');
  S := VarGetIndexed(X, 2); WriteLn('after VarSetIndexed [2]=' + S);
  I := A[0]; WriteLn('source array unchanged [0]=' + IntToStr(I));
  V := X;
  Result := True;
end;
