{ An integer is not a condition: Type mismatch. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  I := 1;
  if I then WriteLn('yes');
  Result := True;
end;
