{ Variant and Boolean does not compile (Boolean and Variant does). }
function Main(var V: Variant): Boolean;
var
  X, R: Variant; S: string; D: Double; B: Boolean;
begin
  R := X and B ;
  Result := True;
end;
