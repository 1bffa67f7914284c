function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  I := (1 + 2;
  Result := True;
end;
