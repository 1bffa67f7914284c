{ A local variable may not take a constant's name. }
const C = 1; procedure P; var C: Integer; begin C := 2; end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
