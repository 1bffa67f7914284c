{ TVarType is a Word: VarType results can be stored, compared with the var*
  constants and masked with varTypeMask / tested with varArray. }
function Main(var V: Variant): Boolean;
var
  T: TVarType;
  A: TVariantArray;
  X: Variant;
begin
  X := 'abc';
  T := VarType(X);
  if T = varString then WriteLn('varString');
  SetLength(A, 1);
  X := A;
  T := VarType(X);
  WriteLn('array type ' + IntToStr(T) + ' masked ' + IntToStr(T and varTypeMask) + ' array bit ' + IntToStr(T and varArray));
  T := 65535; T := T + 1;
  WriteLn('TVarType wraps like Word: ' + IntToStr(T));
  Result := True;
end;
