function Main(var V: Variant): Boolean;
var
  I: Integer;
  i: string;
begin
  Result := True;
end;
