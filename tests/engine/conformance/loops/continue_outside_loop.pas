{ Continue outside a loop: Not in a loop. }
function Main(var V: Variant): Boolean;
begin
  if True then Continue;
  Result := True;
end;
