{ Break in a routine called from a loop is still Not in a loop. }
procedure P;
begin
  Break;
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  for I := 1 to 2 do P;
  Result := True;
end;
