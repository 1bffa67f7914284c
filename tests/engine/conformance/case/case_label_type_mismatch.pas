{ A Char label in a case on an Integer compiles; the comparison fails at run time. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  case I of
    1: Result := True;
    'x': Result := False;
  end;
end;
