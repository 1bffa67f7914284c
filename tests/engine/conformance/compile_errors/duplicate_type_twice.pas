{ Nor another type's. }
type TR = record X: Integer; end; TR = Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
