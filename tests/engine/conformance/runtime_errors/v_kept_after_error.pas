{ Changes to V made before a run-time error are kept in the caller's Variant. }
function Main(var V: Variant): Boolean;
begin
  V := 'partial';
  RaiseException(erCustomError, 'stop');
  V := 'complete';
  Result := True;
end;
