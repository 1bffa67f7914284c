{ A procedural value cannot be stored in a Variant. }
procedure Tick;
begin
end;
function Main(var V: Variant): Boolean;
begin
  V := @Tick;
  Result := True;
end;
