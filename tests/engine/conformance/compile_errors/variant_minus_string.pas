{ A Variant takes only numbers (and Variants) for - * / div. }
function Main(var V: Variant): Boolean;
var
  X, R: Variant; S: string; D: Double; B: Boolean;
begin
  R := X - S ;
  Result := True;
end;
