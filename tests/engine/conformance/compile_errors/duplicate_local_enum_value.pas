{ Nor an enumeration value's. }
type E = (eA, eB); procedure P; var eA: Integer; begin end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
