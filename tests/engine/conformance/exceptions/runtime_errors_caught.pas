{ Each kind of run-time error caught: ExceptionType and ExceptionToString. }
procedure Report(const Tag: string);
begin
  WriteLn(Tag + ': ' + IntToStr(Ord(ExceptionType)) + ' [' + ExceptionParam + '] ' + ExceptionToString(ExceptionType, ExceptionParam));
end;
function Main(var V: Variant): Boolean;
var
  A: array of Integer;
  X: Variant;
  I, Z: Integer;
  D: Double;
begin
  Z := 0;
  try I := 5 div Z; except Report('div'); end;
  try I := A[0]; except Report('range'); end;
  try X := Null; I := X; except Report('null variant'); end;
  try D := StrToFloat('bad'); except Report('float'); end;
  try RaiseException(erTypeMismatch, ''); except Report('raised mismatch'); end;
  Result := True;
end;
