{ V[I] on a Variant reads through VarArrayGet and V[I] := X writes through
  VarArraySet; a Variant array is copied on assignment; VarGetIndexed,
  VarSetIndexed and VarArraySize beside them. }
function VS(X: Variant): string; var S: string; begin S := X; Result := S; end;
function Main(var V: Variant): Boolean;
var X, Y, Z: Variant; A, B: TVariantArray; I: Integer; IA: array of Integer; SA: array of string;
begin
  SetLength(A, 3); A[0] := 1; A[1] := 'two'; A[2] := 3.5;
  X := A;
  WriteLn('X[0] ' + VS(X[0]) + ' X[1] ' + VS(X[1]));
  X[0] := 10; WriteLn('X[0] after ' + VS(X[0]) + ' A[0] ' + VS(A[0]));
  Y := X; Y[1] := 'changed'; WriteLn('X[1] ' + VS(X[1]) + ' Y[1] ' + VS(Y[1]));
  WriteLn('VarArrayGet ' + VS(VarArrayGet(X, 2)));
  VarArraySet(99, 2, X); WriteLn('after VarArraySet ' + VS(X[2]));
  WriteLn('size ' + IntToStr(VarArraySize(X)) + ' isarray ' + IntToStr(Ord(VarIsArray(X))));
  WriteLn('VarType ' + IntToStr(VarType(X)));
  B := X; WriteLn('back ' + IntToStr(Length(B)) + ' ' + VS(B[0]));
  for I := 0 to VarArraySize(X) - 1 do WriteLn('  ' + IntToStr(I) + ': ' + VS(VarGetIndexed(X, I)) + ' ' + IntToStr(VarType(VarGetIndexed(X, I))));
  VarSetIndexed(X, 0, 'x'); WriteLn('after VarSetIndexed ' + VS(X[0]));
  VarSetIndexed(X, 5, 'x'); WriteLn('out of range set ignored ' + IntToStr(VarArraySize(X)));
  IA := [1, 2, 3]; Z := IA; WriteLn('from int array ' + IntToStr(VarType(Z)) + ' ' + VS(Z[1]) + ' ' + IntToStr(VarType(Z[1])));
  SA := ['a', 'b']; Z := SA; WriteLn('from string array ' + IntToStr(VarType(Z[0])));
  Z := [1, 'b', 2.5]; WriteLn('literal ' + IntToStr(VarType(Z)) + ' ' + VS(Z[1]));
  Result := True;
end;
