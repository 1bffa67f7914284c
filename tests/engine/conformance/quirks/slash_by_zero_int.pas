{ Integer / by zero behaves like div by zero. }
function Main(var V: Variant): Boolean;
var
  I, J, R: Integer;
begin
  I := 7; J := 0;
  R := I / J;
  Result := R = 0;
end;
