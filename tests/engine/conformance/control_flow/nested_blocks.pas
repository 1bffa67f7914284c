{ Nested begin/end blocks and compound statements in every branch. }
function Main(var V: Variant): Boolean;
var
  I, J, N: Integer;
begin
  N := 0;
  for I := 1 to 3 do
  begin
    begin
      J := I;
      while J > 0 do
      begin
        if (J mod 2) = 0 then
        begin
          N := N + 10;
        end
        else
        begin
          N := N + 1;
        end;
        J := J - 1;
      end;
    end;
  end;
  WriteLn('N=' + IntToStr(N));
  Result := True;
end;
