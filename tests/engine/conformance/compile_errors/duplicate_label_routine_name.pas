{ A label may not take its routine's name. }
procedure P; label P; begin P: end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
