{ A local variable may not take a routine's name, its own routine's included. }
procedure P; var P: Integer; begin end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
