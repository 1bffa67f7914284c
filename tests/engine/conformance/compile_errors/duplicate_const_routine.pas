{ A constant may not take a routine's name. }
procedure P; begin end; const P = 1;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
