{ EncodeDate with an invalid date raises. }
function Main(var V: Variant): Boolean;
var
  D: TDateTime;
begin
  D := EncodeDate(2023, 13, 1);
  WriteLn(FloatToStr(D));
  Result := True;
end;
