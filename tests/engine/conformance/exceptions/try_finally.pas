{ try/finally runs the finally part on normal exit, on Exit, on Continue, and
  when an exception passes through. }
var
  Log: string;
procedure WithExit;
begin
  try
    Log := Log + 'a';
    Exit;
    Log := Log + 'x';
  finally
    Log := Log + 'f';
  end;
  Log := Log + 'y';
end;
procedure Raiser;
begin
  try
    Log := Log + 'r';
    RaiseException(erCustomError, 'boom');
  finally
    Log := Log + 'F';
  end;
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  Log := '';
  try Log := Log + '1'; finally Log := Log + '2'; end;
  WithExit;
  for I := 1 to 3 do
    try
      if I = 2 then Continue;
      Log := Log + IntToStr(I);
    finally
      Log := Log + 'c';
    end;
  try
    Raiser;
  except
    Log := Log + 'E:' + ExceptionParam;
  end;
  WriteLn(Log);
  Result := True;
end;
