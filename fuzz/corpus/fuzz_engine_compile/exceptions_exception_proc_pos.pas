{ ExceptionProc and ExceptionPos can be called inside a handler (their values
  depend on the engine, so only their relation to "no exception" is printed). }
function Main(var V: Variant): Boolean;
var
  P, Q: Cardinal;
begin
  try
    RaiseException(erCustomError, 'x');
  except
    P := ExceptionProc;
    Q := ExceptionPos;
    if Q > 0 then WriteLn('position known');
    WriteLn('called both');
  end;
  Result := True;
end;
