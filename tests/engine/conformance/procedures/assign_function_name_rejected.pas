{ Assigning to the function's name is rejected; Result is the only way. }
function F: Integer;
begin
  F := 5;
end;
function Main(var V: Variant): Boolean;
begin
  Result := F = 5;
end;
