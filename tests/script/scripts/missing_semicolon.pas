function Initialize(var V: Variant): Boolean;
var
  I: Integer
begin
  I := 1;
  Result := True;
end;
