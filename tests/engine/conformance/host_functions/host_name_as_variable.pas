{ A non-clashing host function name used as a global variable name. }
var
  GetTickCount: Integer;
function Main(var V: Variant): Boolean;
begin
  GetTickCount := 5;
  WriteLn(IntToStr(GetTickCount));
  Result := True;
end;
