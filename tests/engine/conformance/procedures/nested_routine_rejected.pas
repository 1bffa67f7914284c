{ Nested routines are not supported. }
function Main(var V: Variant): Boolean;
  function Inner: Integer;
  begin
    Result := 1;
  end;
begin
  Result := Inner = 1;
end;
