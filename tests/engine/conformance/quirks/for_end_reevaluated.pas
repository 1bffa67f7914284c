{ The for loop's end expression is evaluated again before every iteration. }
var
  Calls: Integer;
function Limit: Integer;
begin
  Calls := Calls + 1;
  Result := 3;
end;
function Main(var V: Variant): Boolean;
var
  I, N, Count: Integer;
  S: string;
begin
  Calls := 0; Count := 0;
  for I := 1 to Limit do Count := Count + 1;
  WriteLn('iterations=' + IntToStr(Count) + ' calls=' + IntToStr(Calls));
  N := 5; S := '';
  for I := 1 to N - 1 do
  begin
    S := S + IntToStr(I);
    if I = 2 then N := 8;
  end;
  WriteLn('grown bound: ' + S);
  N := 10; S := '';
  for I := 1 to N do
  begin
    S := S + IntToStr(I);
    N := N - 2;
  end;
  WriteLn('shrinking bound: ' + S);
  N := 1; S := '';
  for I := 5 downto N do
  begin
    S := S + IntToStr(I);
    N := 3;
  end;
  WriteLn('downto bound: ' + S);
  Result := True;
end;
