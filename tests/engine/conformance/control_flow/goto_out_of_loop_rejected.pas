{ goto from inside a while loop to a label after it: the loop is closed to jumps. }
function Main(var V: Variant): Boolean;
label
  Done;
var
  I: Integer;
begin
  I := 0;
  while I < 10 do
  begin
    if I = 3 then goto Done;
    I := I + 1;
  end;
Done:
  WriteLn(IntToStr(I));
  Result := True;
end;
