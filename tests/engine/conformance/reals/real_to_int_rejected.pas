{ Assigning a real to an integer variable is a Type mismatch. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  D: Double;
begin
  D := 2.5;
  I := D;
  Result := I = 2;
end;
