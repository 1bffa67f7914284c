{ Nor a standard type's. }
type string = Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
