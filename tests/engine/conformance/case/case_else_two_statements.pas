{ The else part of a case takes a single statement: a second one gives 'END' expected. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  S: string;
begin
  I := 5;
  case I of
    1: S := 'one';
  else
    S := 'x';
    S := S + 'y';
  end;
  Result := True;
end;
