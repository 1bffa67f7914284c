{ A var parameter needs the exact type: a Byte variable for an Integer var. }
procedure Bump(var X: Integer);
begin
  X := X + 1;
end;
function Main(var V: Variant): Boolean;
var
  B: Byte;
begin
  Bump(B);
  Result := True;
end;
