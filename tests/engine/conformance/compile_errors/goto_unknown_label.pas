{ goto to a name that is not a label of this routine. }
function Main(var V: Variant): Boolean;
label
  L;
var
  X: Integer;
begin
L:
  goto X;
  Result := True;
end;
