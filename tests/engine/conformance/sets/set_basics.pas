{ Sets of an enum: constructors, in, +, -, *, =, <>, Include, Exclude, empty set. }
type
  TDay = (dMon, dTue, dWed, dThu, dFri, dSat, dSun);
  TDays = set of TDay;
function Show(S: TDays): string;
var
  D: TDay;
begin
  Result := '[';
  for D := dMon to dSun do
    if D in S then Result := Result + IntToStr(Ord(D));
  Result := Result + ']';
end;
function Main(var V: Variant): Boolean;
var
  A, B, C: TDays;
  D: TDay;
begin
  WriteLn('empty default ' + Show(A));
  A := [dMon, dWed, dFri];
  B := [dWed, dThu];
  C := A + B; WriteLn('A+B ' + Show(C));
  C := A - B; WriteLn('A-B ' + Show(C));
  C := A * B; WriteLn('A*B ' + Show(C));
  D := dWed;
  if D in A then WriteLn('dWed in A');
  if not (dTue in A) then WriteLn('dTue not in A');
  Include(A, dSun); WriteLn('Include ' + Show(A));
  Exclude(A, dMon); WriteLn('Exclude ' + Show(A));
  Exclude(A, dMon); WriteLn('Exclude again ' + Show(A));
  C := [];
  WriteLn('empty ' + Show(C));
  if A = [dWed, dFri, dSun] then WriteLn('A = [dWed, dFri, dSun]');
  if A <> B then WriteLn('A <> B');
  Result := True;
end;
