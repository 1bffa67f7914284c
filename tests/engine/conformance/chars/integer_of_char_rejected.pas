{ Integer(c) is rejected; use Ord. }
function Main(var V: Variant): Boolean;
var
  C: Char;
  I: Integer;
begin
  C := 'A';
  I := Integer(C);
  Result := I = 65;
end;
