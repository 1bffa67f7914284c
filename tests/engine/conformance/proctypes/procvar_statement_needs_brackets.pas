{ A procedural variable alone is not a call statement; P() is. }
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
  P := @Tick;
  P();
  P;
  Result := True;
end;
