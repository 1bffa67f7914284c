{ Ord(True) is a Type mismatch at compile time. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  I := Ord(True);
  Result := I = 1;
end;
