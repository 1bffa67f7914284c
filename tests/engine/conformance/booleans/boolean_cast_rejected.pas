{ Boolean(1) is rejected. }
function Main(var V: Variant): Boolean;
var
  B: Boolean;
begin
  B := Boolean(1);
  Result := B;
end;
