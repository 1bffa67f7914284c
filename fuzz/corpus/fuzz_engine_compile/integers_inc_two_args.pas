{ Inc takes one argument only: Inc(x, n) is Invalid number of parameters. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  Inc(I, 5);
  Result := I = 5;
end;
