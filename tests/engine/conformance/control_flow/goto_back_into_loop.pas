{ A goto written after a loop that targets a label inside it. }
function Main(var V: Variant): Boolean;
label
  Inside;
var
  I, N: Integer;
begin
  N := 0;
  for I := 1 to 2 do
  begin
  Inside:
    N := N + 1;
  end;
  if N < 5 then goto Inside;
  WriteLn('N=' + IntToStr(N) + ' I=' + IntToStr(I));
  Result := True;
end;
