{ Sets passed by value and var, and returned from functions. }
type
  TK = (kA, kB, kC, kD);
  TKs = set of TK;
function Without(S: TKs; K: TK): TKs;
begin
  Exclude(S, K);
  Result := S;
end;
procedure AddTo(var S: TKs; K: TK);
begin
  Include(S, K);
end;
function Count(const S: TKs): Integer;
var
  K: TK;
begin
  Result := 0;
  for K := kA to kD do
    if K in S then Result := Result + 1;
end;
function Main(var V: Variant): Boolean;
var
  S, T: TKs;
begin
  S := [kA, kB, kC];
  T := Without(S, kB);
  WriteLn('S count ' + IntToStr(Count(S)) + ', T count ' + IntToStr(Count(T)));
  AddTo(T, kD);
  if kD in T then WriteLn('kD added through var');
  if not (kB in T) then WriteLn('kB removed in copy');
  if kB in S then WriteLn('S unchanged');
  Result := True;
end;
