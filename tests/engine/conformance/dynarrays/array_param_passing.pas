{ Dynamic arrays passed by value share storage (reference type); var allows resizing. }
type
  TInts = array of Integer;
procedure Change(A: TInts);
begin
  A[0] := 99;
end;
procedure Grow(var A: TInts);
begin
  SetLength(A, Length(A) + 2);
  A[High(A)] := 7;
end;
procedure GrowByValue(A: TInts);
begin
  SetLength(A, 10);
end;
function Make(N: Integer): TInts;
var
  I: Integer;
begin
  SetLength(Result, N);
  for I := 0 to N - 1 do Result[I] := I * I;
end;
function Main(var V: Variant): Boolean;
var
  A: TInts;
begin
  A := Make(3);
  WriteLn('made ' + IntToStr(A[2]));
  Change(A);
  WriteLn('after Change A[0]=' + IntToStr(A[0]));
  Grow(A);
  WriteLn('after Grow len=' + IntToStr(Length(A)) + ' last=' + IntToStr(A[4]));
  GrowByValue(A);
  WriteLn('after GrowByValue len=' + IntToStr(Length(A)));
  Result := True;
end;
