{ Recursion a few hundred frames deep (within what the reference engine
  handles correctly), with integer and string results. }
function Down(N: Integer): Integer;
begin
  if N = 0 then
    Result := 0
  else
    Result := Down(N - 1) + 1;
end;
function Build(N: Integer): string;
var
  Tag: string;
begin
  Tag := IntToStr(N mod 10);
  if N = 0 then
    Result := ''
  else
    Result := Build(N - 1) + Tag;
end;
function SumTo(N: Integer; Acc: Int64): Int64;
begin
  if N = 0 then Result := Acc else Result := SumTo(N - 1, Acc + N);
end;
function Main(var V: Variant): Boolean;
var
  S: string;
begin
  S := Build(120);
  WriteLn('Build(120) len=' + IntToStr(Length(S)) + ' tail=' + Copy(S, 111, 10));
  WriteLn('SumTo(200)=' + IntToStr(SumTo(200, 0)));
  WriteLn('Down(250)=' + IntToStr(Down(250)));
  Result := True;
end;
