{ The built-in VarArrayGet with an index out of range. }
function Main(var V: Variant): Boolean;
var
  A: TVariantArray;
  X, Y: Variant;
begin
  SetLength(A, 2);
  X := A;
  Y := VarArrayGet(X, 2);
  WriteLn('not reached');
  Result := True;
end;
