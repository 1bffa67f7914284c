{ GetTickCount is callable and non-decreasing over a short loop. }
function Main(var V: Variant): Boolean;
var
  T0, T1: LongInt;
  I, N: Integer;
begin
  T0 := GetTickCount;
  N := 0;
  for I := 1 to 10000 do N := N + I;
  T1 := GetTickCount;
  if T1 - T0 >= 0 then WriteLn('non-decreasing');
  if T1 - T0 < 10000 then WriteLn('plausible');
  WriteLn('N=' + IntToStr(N));
  Result := True;
end;
