{ A begin that is never closed. }
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;

begin
  WriteLn('x');
