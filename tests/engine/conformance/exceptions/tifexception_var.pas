{ TIFException values in variables: compare, pass to RaiseException and
  ExceptionToString, iterate with Succ. }
function Main(var V: Variant): Boolean;
var
  E: TIFException;
begin
  E := erOutOfRange;
  try
    RaiseException(E, 'p');
  except
    if ExceptionType = E then WriteLn('same kind: ' + ExceptionToString(ExceptionType, ExceptionParam));
    if ExceptionType <> erCustomError then WriteLn('not custom');
  end;
  E := Succ(E);
  WriteLn('next: ' + ExceptionToString(E, ''));
  Result := True;
end;
