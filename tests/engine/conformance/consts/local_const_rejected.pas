{ A const section inside a routine is rejected ('BEGIN' expected). }
function Main(var V: Variant): Boolean;
const
  K = 3;
begin
  Result := K = 3;
end;
