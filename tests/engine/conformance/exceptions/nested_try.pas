{ Nested try blocks, re-raise with RaiseLastException, exceptions crossing
  routine boundaries, and the combined try/finally/except form. }
var
  Log: string;
procedure Inner;
begin
  try
    RaiseException(erCustomError, 'inner');
  except
    Log := Log + 'i(' + ExceptionParam + ')';
    RaiseLastException;
  end;
end;
function Main(var V: Variant): Boolean;
begin
  Log := '';
  try
    try
      Inner;
    except
      Log := Log + 'm(' + ExceptionParam + ')';
      RaiseException(erCustomError, 'middle');
    end;
  except
    Log := Log + 'o(' + ExceptionParam + ')';
  end;
  try
    Log := Log + ' T';
    RaiseException(erCustomError, 'combo');
  finally
    Log := Log + 'F';
  except
    Log := Log + 'X(' + ExceptionParam + ')';
  end;
  WriteLn(Log);
  Result := True;
end;
