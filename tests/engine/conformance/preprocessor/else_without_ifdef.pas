{ ELSE without IFDEF. }
function Main(var V: Variant): Boolean;
begin
{$ELSE}
  Result := True;
end;
