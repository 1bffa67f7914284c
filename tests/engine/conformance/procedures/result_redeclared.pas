{ Result may not be redeclared as a local variable. }
function F: Integer;
var
  Result: Integer;
begin
  Result := 1;
end;
function Main(var V: Variant): Boolean;
begin
  Result := F = 1;
end;
