{ goto into a for loop's body: Invalid jump. }
function Main(var V: Variant): Boolean;
label
  Inside;
var
  I: Integer;
begin
  goto Inside;
  for I := 1 to 2 do
  begin
Inside:
  end;
  Result := True;
end;
