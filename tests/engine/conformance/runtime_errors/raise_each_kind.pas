{ Uncaught RaiseException with a built-in kind: the host prints its text. }
function Main(var V: Variant): Boolean;
begin
  RaiseException(erOutOfRange, 'ignored param');
  Result := True;
end;
