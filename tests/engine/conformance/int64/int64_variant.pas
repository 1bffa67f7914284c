{ Int64 stored in a Variant keeps varInt64 and round-trips exactly. }
function Main(var V: Variant): Boolean;
var
  A, B: Int64;
  X: Variant;
begin
  A := 1234567890123456789;
  X := A;
  WriteLn('vartype=' + IntToStr(VarType(X)));
  B := X;
  WriteLn('back=' + IntToStr(B));
  X := X + 1;
  B := X;
  WriteLn('plus one=' + IntToStr(B) + ' vartype=' + IntToStr(VarType(X)));
  V := A;
  Result := True;
end;
