{ A type may not take a routine's name. }
procedure P; begin end; type P = Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
