{ VarGetIndexed on an empty Variant (the run-mode V): the host raises. }
function Main(var V: Variant): Boolean;
begin
  Result := VarGetIndexed(V, 9) = 1;
end;
