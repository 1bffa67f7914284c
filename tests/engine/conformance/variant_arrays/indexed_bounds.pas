{ Host VarGetIndexed/VarSetIndexed bounds rules: out-of-range reads give
  Byte 0, out-of-range writes are ignored, a non-array is returned as is. }
function Main(var V: Variant): Boolean;
var
  A: TVariantArray;
  X, Y: Variant;
begin
  SetLength(A, 2);
  A[0] := 'a'; A[1] := 'b';
  X := A;
  Y := VarGetIndexed(X, 5); WriteLn('get 5 -> type ' + IntToStr(VarType(Y)) + ' value ' + IntToStr(Y));
  Y := VarGetIndexed(X, -1); WriteLn('get -1 -> type ' + IntToStr(VarType(Y)));
  VarSetIndexed(X, 7, 'ignored');
  WriteLn('size after set 7 = ' + IntToStr(VarArraySize(X)));
  Y := 42;
  Y := VarGetIndexed(Y, 3); WriteLn('non-array get -> ' + IntToStr(Y));
  WriteLn('non-array size = ' + IntToStr(VarArraySize(Y)));
  VarSetIndexed(Y, 0, 7); WriteLn('non-array set keeps ' + IntToStr(Y));
  V := X;
  Result := True;
end;
