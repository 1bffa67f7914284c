{ A non-numeric string in a Variant converted to Integer raises. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  I: Integer;
begin
  X := 'abc';
  I := X;
  WriteLn(IntToStr(I));
  Result := True;
end;
