{ A constant operand of and/or earns a warning (shown with -v), and hints
  for unused variables and results. }
var
  Unused: Integer;
function Main(var V: Variant): Boolean;
var
  B: Boolean;
begin
  B := V = 1;
  Result := True and B;
end;
function NoResult(var V: Variant): Boolean;
begin
end;
