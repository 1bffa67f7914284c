{ A declared label that is never placed: Label not set. }
function Main(var V: Variant): Boolean;
label
  Nowhere;
begin
  goto Nowhere;
  Result := True;
end;
