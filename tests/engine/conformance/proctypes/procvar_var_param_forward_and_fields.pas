{ Procedural values with a var parameter, of a forward-declared routine,
  called straight from a record field and a static array element (also as
  a statement, dropping the result), and inside recursion. }
type
  TBump = procedure(var X: Integer; By: Integer);
  TOp = function(A, B: Integer): Integer;
  TEntry = record Op: TOp; end;
function Later(A, B: Integer): Integer; forward;
procedure Bump(var X: Integer; By: Integer);
begin
  X := X + By;
end;
function Later(A, B: Integer): Integer;
begin
  Result := A - B;
end;
function Fact(N: Integer): Integer;
var F: TOp;
begin
  if N <= 1 then Result := 1 else begin F := @Later; Result := N * Fact(N - 1) + F(0, 0); end;
end;
function Main(var V: Variant): Boolean;
var
  B: TBump;
  I: Integer;
  E: TEntry;
  Ops: array[0..1] of TOp;
begin
  B := @Bump; I := 1; B(I, 41); WriteLn(IntToStr(I));
  E.Op := @Later; WriteLn(IntToStr(E.Op(10, 3)));
  Ops[1] := @Later; WriteLn(IntToStr(Ops[1](5, 7)));
  E.Op(1, 2);
  WriteLn(IntToStr(Fact(5)));
  Result := True;
end;
