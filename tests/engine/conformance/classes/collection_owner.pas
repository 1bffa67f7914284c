{ TCollection.Owner is declared but the reference's FPC build does not bind
  it: a script that calls it compiles and then fails to load. }
function Main(var V: Variant): Boolean;
var
  C: TCollection;
begin
  C := nil;
  if C <> nil then
    if C.Owner = nil then WriteLn('no owner');
  Result := True;
end;
