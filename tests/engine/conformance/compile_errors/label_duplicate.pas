{ The same label declared twice. }
function Main(var V: Variant): Boolean;
label
  L, L;
begin
L:
  Result := True;
end;
