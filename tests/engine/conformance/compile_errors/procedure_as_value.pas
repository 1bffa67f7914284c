procedure P;
begin
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  I := P;
  Result := True;
end;
