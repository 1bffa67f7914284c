function F: Integer;
begin
  Result := 1;
end;
function Main(var V: Variant): Boolean;
begin
  F := 2;
  Result := True;
end;
