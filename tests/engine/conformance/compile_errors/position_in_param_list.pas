function F(A: Integer; B: TUnknownType): Integer;
begin
  Result := A;
end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
