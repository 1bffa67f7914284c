{ Subset and superset comparison of sets with <= and >=. }
type
  TK = (k1, k2, k3);
  TKs = set of TK;
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  A, B: TKs;
begin
  A := [k1]; B := [k1, k2];
  WriteLn('A<=B ' + BS(A <= B) + ' B<=A ' + BS(B <= A) + ' B>=A ' + BS(B >= A));
  Result := True;
end;
