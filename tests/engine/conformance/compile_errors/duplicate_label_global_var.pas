{ A label may not take a global variable's name. }
var G: Integer; procedure P; label G; begin G: end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
