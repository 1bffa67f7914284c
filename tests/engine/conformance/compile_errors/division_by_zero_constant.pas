function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  I := 10 div 0;
  Result := I = 0;
end;
