{ while and repeat: zero iterations vs at least one. }
function Main(var V: Variant): Boolean;
var
  I, N: Integer;
begin
  I := 10; N := 0;
  while I < 5 do begin N := N + 1; I := I + 1; end;
  WriteLn('while zero: N=' + IntToStr(N));
  I := 10; N := 0;
  repeat N := N + 1; I := I + 1; until I > 5;
  WriteLn('repeat once: N=' + IntToStr(N));
  I := 0; N := 0;
  repeat
    I := I + 1;
    N := N + I;
  until I = 10;
  WriteLn('repeat sum=' + IntToStr(N));
  I := 1;
  while I < 1000 do I := I * 3;
  WriteLn('while pow=' + IntToStr(I));
  Result := True;
end;
