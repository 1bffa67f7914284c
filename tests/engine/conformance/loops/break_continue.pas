{ Break and Continue in for, while and repeat, including nested loops. }
function Main(var V: Variant): Boolean;
var
  I, J: Integer;
  S: string;
begin
  S := '';
  for I := 1 to 10 do
  begin
    if I = 3 then Continue;
    if I = 6 then Break;
    S := S + IntToStr(I);
  end;
  WriteLn('for: ' + S + ' I=' + IntToStr(I));
  S := ''; I := 0;
  while True do
  begin
    I := I + 1;
    if I mod 2 = 0 then Continue;
    if I > 7 then Break;
    S := S + IntToStr(I);
  end;
  WriteLn('while: ' + S);
  S := ''; I := 0;
  repeat
    I := I + 1;
    if I = 2 then Continue;
    S := S + IntToStr(I);
  until I >= 4;
  WriteLn('repeat: ' + S);
  S := '';
  for I := 1 to 3 do
    for J := 1 to 3 do
    begin
      if J = 2 then Break;
      S := S + IntToStr(I) + IntToStr(J) + ' ';
    end;
  WriteLn('nested: ' + S);
  Result := True;
end;
