{ Format's %d with a Variant argument holding an Integer fails (the Variant
  is not unpacked for %d). }
function Main(var V: Variant): Boolean;
var
  X: Variant;
begin
  X := 12;
  WriteLn(Format('[%d]', [X]));
  Result := True;
end;
