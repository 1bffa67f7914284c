{$I {INCLUDE}}

function Initialize(var V: Variant): Boolean;
begin
  Result := Helper(20) = 21;
end;

function Twice(var V: Variant): Boolean;
begin
  V := Helper(V) * 2;
  Result := True;
end;
