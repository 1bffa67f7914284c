{ IFDEF never closed. }
{$IFDEF SOMETHING}
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
