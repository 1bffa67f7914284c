{ Break can be declared as a variable name, but a statement that starts with Break is the Break statement: Not in a loop. }
var
  Break, Continue: Integer;
function Main(var V: Variant): Boolean;
begin
  Break := 1; Continue := 2;
  WriteLn(IntToStr(Break + Continue));
  Result := True;
end;
