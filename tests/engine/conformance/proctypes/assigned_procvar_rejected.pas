{ Assigned() on a procedural variable is a Type mismatch. }
type
  TF = function(A: Integer): Integer;
function Main(var V: Variant): Boolean;
var
  F: TF;
begin
  Result := Assigned(F);
end;
