function Initialize(var V: Variant): Boolean;
var
  A, B: Integer;
begin
  A := 1;
  B := 0;
  Result := A div B = 0;
end;
