{ Using an unknown class name. }
function Main(var V: Variant): Boolean;
var
  X: TNoSuchClass;
begin
  Result := True;
end;
