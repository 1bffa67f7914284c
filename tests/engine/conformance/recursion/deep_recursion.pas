{ Finite recursion a few thousand frames deep must give the right answer.
  (The reference engine's VM stack reallocation bug gives wrong results here
  unless its stack is pre-sized: deliberate difference, see README.) }
function Down(N: Integer): Integer;
begin
  if N = 0 then
    Result := 0
  else
    Result := Down(N - 1) + 1;
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn(IntToStr(Down(500)));
  WriteLn(IntToStr(Down(2000)));
  Result := True;
end;
