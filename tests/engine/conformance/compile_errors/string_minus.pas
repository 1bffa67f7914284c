function Main(var V: Variant): Boolean;
var
  S: string;
begin
  S := 'ab' - 'a';
  Result := True;
end;
