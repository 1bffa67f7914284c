{ Record = and <> with a nested record and a static array field (integers
  only); relational operators are rejected. }
type
  TIn = record
    A: Integer;
    W: Word;
  end;
  TRec = record
    Inner: TIn;
    List: array[0..2] of Byte;
    N: Int64;
  end;
function BS(B: Boolean): string;
begin
  if B then Result := 'T' else Result := 'F';
end;
function Main(var V: Variant): Boolean;
var
  X, Y: TRec;
begin
  WriteLn('fresh: ' + BS(X = Y));
  X.Inner.A := 0; X.N := 0;
  WriteLn('zeros set: ' + BS(X = Y));
  X.Inner.W := 7; Y.Inner.W := 7; X.List[2] := 9; Y.List[2] := 9;
  WriteLn('same: ' + BS(X = Y) + BS(X <> Y));
  Y.List[1] := 1;
  WriteLn('array differs: ' + BS(X = Y) + BS(X <> Y));
  Y := X;
  Y.Inner.A := -1;
  WriteLn('inner differs: ' + BS(X = Y) + BS(X <> Y));
  Result := True;
end;
