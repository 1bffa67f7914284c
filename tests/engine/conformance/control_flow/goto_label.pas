{ goto with label: forward and backward jumps. }
function Main(var V: Variant): Boolean;
label
  Again, Done;
var
  I: Integer;
begin
  I := 0;
Again:
  I := I + 1;
  if I < 5 then goto Again;
  WriteLn('I=' + IntToStr(I));
  goto Done;
  WriteLn('skipped');
Done:
  WriteLn('done');
  Result := True;
end;
