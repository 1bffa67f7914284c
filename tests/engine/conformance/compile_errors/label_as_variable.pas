{ A label name used where a statement expects an assignment: a colon is required after it. }
function Main(var V: Variant): Boolean;
label
  L;
begin
  L := 1;
L:
  Result := True;
end;
