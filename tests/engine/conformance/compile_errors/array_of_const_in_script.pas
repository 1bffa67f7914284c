function F(const A: array of const): Integer;
begin
  Result := Length(A);
end;
function Main(var V: Variant): Boolean;
begin
  Result := F([1, 'a']) = 2;
end;
