{ A multi-character string cannot be assigned to a Char. }
function Main(var V: Variant): Boolean;
var
  C: Char;
begin
  C := 'ab';
  Result := True;
end;
