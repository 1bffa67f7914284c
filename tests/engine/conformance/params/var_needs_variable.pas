{ A var parameter needs a variable, not an expression. }
procedure Bump(var X: Integer);
begin
  X := X + 1;
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  Bump(I + 1);
  Result := True;
end;
