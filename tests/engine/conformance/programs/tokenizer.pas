{ Splitting and joining text with string-variable separators (the host's
  Pos/Copy/Delete), trimming items and parsing numbers. }
type
  TStrs = array of string;

function Split(S: string; const Sep: string): TStrs;
var
  P, N: Integer;
begin
  N := 0;
  SetLength(Result, 0);
  while True do
  begin
    P := Pos(Sep, S);
    SetLength(Result, N + 1);
    if P = 0 then
    begin
      Result[N] := Trim(S);
      Break;
    end;
    Result[N] := Trim(Copy(S, 1, P - 1));
    Delete(S, 1, P + Length(Sep) - 1);
    N := N + 1;
  end;
end;

function Join(const A: TStrs; const Sep: string): string;
var
  I: Integer;
begin
  Result := '';
  for I := 0 to High(A) do
  begin
    if I > 0 then Result := Result + Sep;
    Result := Result + A[I];
  end;
end;

function Main(var V: Variant): Boolean;
var
  Parts: TStrs;
  I, Sum, N, Code: Integer;
begin
  Parts := Split(' 10 ; 20;abc ;; 0x1F ;-5 ', ';');
  WriteLn('count=' + IntToStr(Length(Parts)) + ' joined=[' + Join(Parts, '|') + ']');
  Sum := 0;
  for I := 0 to High(Parts) do
  begin
    ValInt(Parts[I], N, Code);
    if Code = 0 then Sum := Sum + N
    else WriteLn('skip [' + Parts[I] + '] code ' + IntToStr(Code));
  end;
  WriteLn('sum=' + IntToStr(Sum));
  Parts := Split('a=>b=>c', '=>');
  WriteLn('multi-char separator: ' + Join(Parts, ','));
  Result := True;
end;
