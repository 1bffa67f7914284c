function Main(var V: Variant): Boolean;
var
  S: string;
begin
  if S then Result := True;
end;
