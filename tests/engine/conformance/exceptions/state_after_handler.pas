{ ExceptionType/ExceptionParam outside and after a handler. }
function Main(var V: Variant): Boolean;
begin
  WriteLn('before: ' + IntToStr(Ord(ExceptionType)) + ' [' + ExceptionParam + ']');
  try
    RaiseException(erCustomError, 'x');
  except
  end;
  WriteLn('after: ' + IntToStr(Ord(ExceptionType)) + ' [' + ExceptionParam + ']');
  Result := True;
end;
