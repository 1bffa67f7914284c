{ After if/while/for the semicolon is required: a following statement is
  'Semicolon expected' (unlike after a plain assignment). }
function Main(var V: Variant): Boolean;
var
  I, J: Integer;
begin
  if I = 0 then J := 1
  WriteLn('next');
  Result := True;
end;
