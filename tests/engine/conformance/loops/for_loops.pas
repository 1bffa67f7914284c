{ for to/downto: empty ranges, control variable after the loop, negative ranges. }
function Main(var V: Variant): Boolean;
var
  I, N: Integer;
  S: string;
begin
  S := '';
  for I := 1 to 5 do S := S + IntToStr(I);
  WriteLn('to: ' + S + ' after=' + IntToStr(I));
  S := '';
  for I := 5 downto 1 do S := S + IntToStr(I);
  WriteLn('downto: ' + S + ' after=' + IntToStr(I));
  N := 0; I := 77;
  for I := 5 to 1 do N := N + 1;
  WriteLn('empty to: N=' + IntToStr(N) + ' after=' + IntToStr(I));
  N := 0; I := 77;
  for I := 1 downto 5 do N := N + 1;
  WriteLn('empty downto: N=' + IntToStr(N) + ' after=' + IntToStr(I));
  S := '';
  for I := -3 to -1 do S := S + IntToStr(I);
  WriteLn('negative: ' + S);
  N := 0;
  for I := 3 to 3 do N := N + 1;
  WriteLn('single: N=' + IntToStr(N) + ' after=' + IntToStr(I));
  Result := True;
end;
