function F: Integer;
begin
  Result := 1;
end;
function F: Integer;
begin
  Result := 2;
end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
