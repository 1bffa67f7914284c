{ A constant compared as a statement: Internal error (20) after the expression. }
const K = 5;
function Main(var V: Variant): Boolean;
var I: Integer;
begin
  K = 5;
  Result := True;
end;
