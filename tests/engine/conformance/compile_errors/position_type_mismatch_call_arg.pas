function F(A: Integer): Integer;
begin
  Result := A;
end;
function Main(var V: Variant): Boolean;
begin
  Result := F('text') = 1;
end;
