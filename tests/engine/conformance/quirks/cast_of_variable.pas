{ A cast that is the whole expression does not narrow the value; inside a
  binary operation it does; a cast of a literal folds at compile time. }
function Main(var V: Variant): Boolean;
var
  I, J: Integer;
  B: Byte;
begin
  I := 300;
  J := Byte(I); WriteLn('J := Byte(I) -> ' + IntToStr(J));
  WriteLn('IntToStr(Byte(I)) -> ' + IntToStr(Byte(I)));
  J := Byte(I) + 0; WriteLn('Byte(I) + 0 -> ' + IntToStr(J));
  J := 0 + Byte(I); WriteLn('0 + Byte(I) -> ' + IntToStr(J));
  J := Byte(300); WriteLn('Byte(300) -> ' + IntToStr(J));
  B := Byte(I); WriteLn('B := Byte(I) -> ' + IntToStr(B));
  I := -1;
  WriteLn('IntToStr(Cardinal(-1 var)) -> ' + IntToStr(Cardinal(I)));
  WriteLn('IntToStr(Cardinal(I) + 0) -> ' + IntToStr(Cardinal(I) + 0));
  Result := True;
end;
