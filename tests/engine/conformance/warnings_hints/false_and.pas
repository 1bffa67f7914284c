{ A constant False on the left of and: "Calculation always evaluates to False". }
function Main(var V: Variant): Boolean;
var
  B: Boolean;
begin
  B := V = 1;
  Result := False and B;
  WriteLn('both sides still evaluated');
end;
