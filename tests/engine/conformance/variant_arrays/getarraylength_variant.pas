{ GetArrayLength on a Variant fails with Could not call proc. }
function Main(var V: Variant): Boolean;
var
  A: TVariantArray;
  X: Variant;
begin
  SetLength(A, 4);
  X := A;
  WriteLn(IntToStr(GetArrayLength(X)));
  Result := True;
end;
