{ Nested for loops whose bounds depend on the outer variable, and a loop
  whose body changes the bound variable of an inner loop. }
function Main(var V: Variant): Boolean;
var
  I, J, N, Count: Integer;
  S: string;
begin
  S := '';
  for I := 1 to 4 do
  begin
    for J := I to 4 do S := S + IntToStr(J);
    S := S + '|';
  end;
  WriteLn(S);
  Count := 0;
  N := 3;
  for I := 1 to 3 do
    for J := 1 to N do
    begin
      Count := Count + 1;
      if J = 1 then N := N - 1;
    end;
  WriteLn('count=' + IntToStr(Count) + ' N=' + IntToStr(N));
  Result := True;
end;
