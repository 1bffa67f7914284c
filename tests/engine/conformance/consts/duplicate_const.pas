{ Declaring the same constant twice: Duplicate identifier. }
const
  K = 1;
  k = 2;
function Main(var V: Variant): Boolean;
begin
  Result := K = 1;
end;
