{ VarIsArray, VarArraySize on arrays, scalars, empty and Null Variants. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  A: TVariantArray;
  X: Variant;
begin
  WriteLn('empty: ' + BS(VarIsArray(X)) + ' ' + IntToStr(VarArraySize(X)));
  X := Null;
  WriteLn('null: ' + BS(VarIsArray(X)) + ' ' + IntToStr(VarArraySize(X)));
  X := 'abc';
  WriteLn('string: ' + BS(VarIsArray(X)) + ' ' + IntToStr(VarArraySize(X)));
  SetLength(A, 0);
  X := A;
  WriteLn('zero-length array: ' + BS(VarIsArray(X)) + ' ' + IntToStr(VarArraySize(X)));
  SetLength(A, 7);
  X := A;
  WriteLn('7 elements: ' + BS(VarIsArray(X)) + ' ' + IntToStr(VarArraySize(X)));
  Result := True;
end;
