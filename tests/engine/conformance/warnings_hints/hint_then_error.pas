{ When compilation fails, only the error is listed: hints gathered before it are not. }
var
  NeverUsed: Integer;
function Main(var V: Variant): Boolean;
var
  Loc: Integer;
begin
  Result := Undefined;
end;
