{ "is" with an Integer on the left compiles, and fails at run time. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  if I is TObject then WriteLn('object');
  Result := True;
end;
