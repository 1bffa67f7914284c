{ Changing the control variable inside the body affects the iteration. }
function Main(var V: Variant): Boolean;
var
  I, N: Integer;
  S: string;
begin
  S := ''; N := 0;
  for I := 1 to 10 do
  begin
    S := S + IntToStr(I) + ' ';
    I := I + 2;
    N := N + 1;
    if N > 20 then Break;
  end;
  WriteLn(S + '| I=' + IntToStr(I));
  Result := True;
end;
