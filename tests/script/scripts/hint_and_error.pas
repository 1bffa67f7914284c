{ A warning in the first function, an error in the second. }
function First(var V: Variant): Boolean;
var
  X: Integer;
begin
  X := 1;
  Result := True and (X = 1);
end;

function Initialize(var V: Variant): Boolean;
begin
  Result := Missing;
end;
