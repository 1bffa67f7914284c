{ in with an inline set constructor of enum values and of chars. }
type
  TK = (k1, k2, k3, k4);
function Main(var V: Variant): Boolean;
var
  K: TK;
  C: Char;
begin
  K := k3;
  if K in [k1, k3] then WriteLn('k3 in [k1, k3]');
  if not (K in [k2, k4]) then WriteLn('k3 not in [k2, k4]');
  C := ';';
  if C in [',', ';', ':'] then WriteLn('separator');
  Result := True;
end;
