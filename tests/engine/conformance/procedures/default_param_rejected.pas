{ Default parameter values are rejected. }
function F(A: Integer = 5): Integer;
begin
  Result := A;
end;
function Main(var V: Variant): Boolean;
begin
  Result := F(1) = 1;
end;
