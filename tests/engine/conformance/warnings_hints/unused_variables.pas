{ Hints for unused globals (upper-cased) and locals, and for Result never set. }
var
  UnusedGlobal: Integer;
  UsedGlobal: Integer;
function Helper: Integer;
var
  LocalUnused: string;
begin
end;
function Main(var V: Variant): Boolean;
begin
  UsedGlobal := 1;
  Result := Helper = 0;
end;
