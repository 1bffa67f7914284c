{ A declared label that is never placed, with no goto to it. }
function Main(var V: Variant): Boolean;
label
  Unused;
begin
  Result := True;
end;
