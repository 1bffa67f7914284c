{ The same for a later argument. }
const K = 5; S0 = 'abc';
type TE = (eA, eB);
procedure P(var X: Integer); begin end;
procedure PS(var X: string); begin end;
procedure P2(A: Integer; var X: Integer); begin end;
function Main(var V: Variant): Boolean;
var I: Integer; S: string; A: array of Integer;
begin
  P2(1, K);
  Result := True;
end;
