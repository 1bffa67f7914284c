function Main(var V: Variant): Boolean;
var
  S: string;
begin
  S := 'abc';
  S['1'] := 'x';
  Result := True;
end;
