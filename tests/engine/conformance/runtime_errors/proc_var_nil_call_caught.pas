{ Calling a procedural variable set to nil, inside try/except. }
type
  TStep = procedure;
function Main(var V: Variant): Boolean;
var
  P: TStep;
begin
  P := nil;
  try
    P();
    WriteLn('not reached');
  except
    WriteLn('caught: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  Result := True;
end;
