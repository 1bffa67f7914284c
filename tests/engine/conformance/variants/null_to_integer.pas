{ Null converted to Integer raises an RTL conversion error. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  I: Integer;
begin
  X := Null;
  I := X;
  WriteLn(IntToStr(I));
  Result := True;
end;
