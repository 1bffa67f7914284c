function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  I := ((1 + 2) * (3 - Missing)) div 4;
  Result := True;
end;
