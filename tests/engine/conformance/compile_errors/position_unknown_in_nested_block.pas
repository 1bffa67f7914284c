function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  for I := 1 to 2 do
  begin
    while I < 0 do
    begin
      if I = 5 then
        Undefined(I);
    end;
  end;
  Result := True;
end;
