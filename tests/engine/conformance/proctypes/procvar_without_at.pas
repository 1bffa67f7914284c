{ A routine name without @ is a call, so assigning it to a procedural variable is a Type mismatch. }
type
  TStep = procedure;
procedure Tick;
begin
  WriteLn('tick');
end;
function Main(var V: Variant): Boolean;
var
  P: TStep;
begin
  P := Tick;
  Result := True;
end;
