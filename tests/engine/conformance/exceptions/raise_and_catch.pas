{ RaiseException and try/except: ExceptionType, ExceptionParam, ExceptionToString. }
function Main(var V: Variant): Boolean;
begin
  try
    RaiseException(erCustomError, 'custom text');
    WriteLn('not reached');
  except
    WriteLn('type=' + IntToStr(Ord(ExceptionType)) + ' param=' + ExceptionParam);
    WriteLn('text=' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  try
    RaiseException(erDivideByZero, 'p');
  except
    WriteLn('div: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  try
    RaiseException(erOutOfRange, 'p');
  except
    WriteLn('range: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  try
    RaiseException(erCouldNotCallProc, 'extra');
  except
    WriteLn('call: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  try
    RaiseException(erException, 'native msg');
  except
    WriteLn('exception: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  WriteLn('after');
  Result := True;
end;
