{ A Boolean is no operand of + beside a Variant. }
function Main(var V: Variant): Boolean;
var
  X, R: Variant; S: string; D: Double; B: Boolean;
begin
  R := X + B ;
  Result := True;
end;
