{ The host never runs a main block. }
function Initialize(var V: Variant): Boolean;
begin
  Result := True;
end;

function Run(var V: Variant): Boolean;
begin
  V := 'ok';
  Result := True;
end;

begin
  RaiseException(erCustomError, 'main block ran');
end.
