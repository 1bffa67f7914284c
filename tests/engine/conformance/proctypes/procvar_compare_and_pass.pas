{ Procedural values: copied between variables, compared with each other and
  with nil, passed as parameters, returned from a function, called with no
  arguments; nil assigned and tested again. }
type
  TStep = procedure;
  TCalc = function(A: Integer; const S: string): string;
var
  Count: Integer;
procedure Tick;
begin
  Count := Count + 1;
end;
procedure Tock;
begin
  Count := Count + 10;
end;
function Join(A: Integer; const S: string): string;
begin
  Result := S + '=' + IntToStr(A);
end;
function Pick(Fast: Boolean): TStep;
begin
  if Fast then Result := @Tock else Result := @Tick;
end;
procedure RunTimes(P: TStep; N: Integer);
var I: Integer;
begin
  for I := 1 to N do P();
end;
function Main(var V: Variant): Boolean;
var
  A, B: TStep;
  C: TCalc;
begin
  A := @Tick;
  B := A;
  if A = B then WriteLn('same');
  B := @Tock;
  if A <> B then WriteLn('different');
  RunTimes(A, 3);
  RunTimes(Pick(True), 2);
  WriteLn('count ' + IntToStr(Count));
  C := @Join;
  WriteLn(C(42, 'x'));
  B := nil;
  if B = nil then WriteLn('nil');
  if nil = B then WriteLn('nil on the left');
  Result := A <> nil;
end;
