{ Variants as conditions, loop bounds, case selectors and while conditions. }
function Main(var V: Variant): Boolean;
var
  X, N: Variant;
  I, Sum: Integer;
  S: string;
begin
  X := True;
  if X then WriteLn('variant True is a condition');
  N := 4; Sum := 0;
  for I := 1 to N do Sum := Sum + I;
  WriteLn('loop to variant 4: ' + IntToStr(Sum));
  X := 2;
  case X of
    1: WriteLn('case one');
    2: WriteLn('case two');
  end;
  while N > 0 do N := N - 1;
  WriteLn('while on variant ended at ' + IntToStr(N));
  Result := True;
end;
