{ An uncaught error in Initialize; Main then sees a clean exception state. }
function Initialize(var V: Variant): Boolean;
begin
  RaiseException(erCustomError, 'init failed');
  Result := True;
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn('Main: type ' + IntToStr(Ord(ExceptionType)) + ' [' + ExceptionParam + ']');
  Result := True;
end;
