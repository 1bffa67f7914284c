{ Calling an unassigned procedural variable. }
type
  TFunc = function(A: Integer): Integer;
function Main(var V: Variant): Boolean;
var
  F: TFunc;
begin
  WriteLn(IntToStr(F(1)));
  Result := True;
end;
