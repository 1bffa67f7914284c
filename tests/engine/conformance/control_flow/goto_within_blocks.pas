{ goto that stays inside one structured part: within a loop body, within a
  try part, within a finally part, within an except part, and between the
  branches of an if (if statements are not closed to jumps). }
function Main(var V: Variant): Boolean;
label
  Top, Next, Skip, Fin, Handled, ElsePart, After;
var
  I, Sum: Integer;
begin
  Sum := 0;
  for I := 1 to 4 do
  begin
    if I mod 2 = 0 then goto Next;
    Sum := Sum + I;
  Next:
  end;
  WriteLn('odd sum ' + IntToStr(Sum));
  try
    I := 0;
  Top:
    I := I + 1;
    if I < 3 then goto Top;
    goto Skip;
    WriteLn('not printed');
  Skip:
    WriteLn('try part I=' + IntToStr(I));
  finally
    goto Fin;
    WriteLn('not printed');
  Fin:
    WriteLn('finally part');
  end;
  try
    I := I div (I - I);
  except
    goto Handled;
    WriteLn('not printed');
  Handled:
    WriteLn('except part');
  end;
  if Sum > 0 then
  begin
    WriteLn('then branch');
    goto ElsePart;
  end
  else
  begin
  ElsePart:
    WriteLn('else branch');
  end;
  goto After;
After:
  Result := True;
end;
