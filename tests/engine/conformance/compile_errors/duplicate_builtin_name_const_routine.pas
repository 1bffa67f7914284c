{ A constant named like an unused built-in, then a routine of that name: the
  error points at the routine's name, where the built-in is first looked up. }
const Trim = 1;
procedure Trim; begin end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
