function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  I = 5;
  Result := True;
end;
