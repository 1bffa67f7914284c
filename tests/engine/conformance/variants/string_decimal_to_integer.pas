{ A Variant holding '3.5' converted to Integer raises (no rounding through Double). }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  I: Integer;
begin
  X := '3.5';
  I := X;
  WriteLn(IntToStr(I));
  Result := True;
end;
