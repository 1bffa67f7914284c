{ Procedural values support = and <> only. }
type
  TStep = procedure;
procedure Tick;
begin
end;
function Main(var V: Variant): Boolean;
var
  A, B: TStep;
begin
  A := @Tick;
  B := @Tick;
  Result := A < B;
end;
