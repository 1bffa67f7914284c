{ Real division by zero. }
function Main(var V: Variant): Boolean;
var
  A, B, C: Double;
begin
  A := 1; B := 0;
  C := A / B;
  WriteLn('1/0=' + FloatToStr(C));
  Result := True;
end;
