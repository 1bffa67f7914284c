{ A global variable may not take a routine's name. }
procedure G; begin end; var G: Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
