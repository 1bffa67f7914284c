{ Multi-dimensional static arrays are rejected. }
var
  A: array[0..1, 0..2] of Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
