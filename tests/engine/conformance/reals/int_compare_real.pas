{ Integer on the left, real on the right of a comparison or operator. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
  D: Double;
begin
  I := 2; D := 2.5;
  WriteLn('I(2)<D(2.5) ' + BS(I < D));
  WriteLn('I(2)=D(2.5) ' + BS(I = D));
  D := I + D; WriteLn('I+D=' + FloatToStr(D));
  Result := True;
end;
