{ An exception raised inside a finally part replaces the pending one. }
procedure P;
begin
  try
    RaiseException(erCustomError, 'first');
  finally
    RaiseException(erCustomError, 'second');
  end;
end;
function Main(var V: Variant): Boolean;
begin
  try
    P;
  except
    WriteLn('caught ' + ExceptionParam);
  end;
  Result := True;
end;
