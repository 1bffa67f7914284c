{ Assigning a routine with a different signature to a procedural variable. }
type
  TF = function(A: Integer): Integer;
function G(A: string): Integer;
begin
  Result := 0;
end;
function Main(var V: Variant): Boolean;
var
  F: TF;
begin
  F := @G;
  Result := True;
end;
