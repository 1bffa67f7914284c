{ VarArraySet and VarArrayGet out of bounds or on a Variant that holds no
  array: the message names the Variant's type. }
function Main(var V: Variant): Boolean;
var A: TVariantArray; X: Variant;
begin
  SetLength(A, 2); X := A;
  try VarArraySet(5, 9, X); except WriteLn(ExceptionToString(ExceptionType, ExceptionParam)); end;
  try VarArraySet(5, 0, V); except WriteLn(ExceptionToString(ExceptionType, ExceptionParam)); end;
  try WriteLn(VarArrayGet(V, 0)); except WriteLn(ExceptionToString(ExceptionType, ExceptionParam)); end;
  X := 2.5;
  try VarArraySet(5, 0, X); except WriteLn(ExceptionToString(ExceptionType, ExceptionParam)); end;
  X := True;
  try VarArraySet(5, 0, X); except WriteLn(ExceptionToString(ExceptionType, ExceptionParam)); end;
  X := Null;
  try VarArraySet(5, 0, X); except WriteLn(ExceptionToString(ExceptionType, ExceptionParam)); end;
  Result := True;
end;
