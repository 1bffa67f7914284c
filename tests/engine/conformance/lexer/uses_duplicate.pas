{ uses System, SYSTEM: the second name is a Duplicate identifier. }
uses System, SYSTEM;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
