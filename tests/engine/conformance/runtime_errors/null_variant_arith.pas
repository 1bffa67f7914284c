{ Null in an integer expression. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  I: Integer;
begin
  X := Null;
  I := 1 + X;
  Result := I = 1;
end;
