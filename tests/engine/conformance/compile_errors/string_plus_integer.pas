function Main(var V: Variant): Boolean;
var
  S: string;
begin
  S := 'n=' + 5;
  Result := True;
end;
