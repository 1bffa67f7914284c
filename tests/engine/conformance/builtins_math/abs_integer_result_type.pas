{ Abs returns Extended: assigning it to an Integer is a Type mismatch. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  I := Abs(-3);
  Result := I = 3;
end;
