{ A routine may not take a type's name. }
type T = Integer; procedure T; begin end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
