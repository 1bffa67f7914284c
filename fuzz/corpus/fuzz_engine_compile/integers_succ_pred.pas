{ Succ and Pred on integers, including wrap of the type. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  B: Byte;
begin
  I := 5; WriteLn('Succ(5)=' + IntToStr(Succ(I)) + ' Pred(5)=' + IntToStr(Pred(I)));
  I := -1; WriteLn('Succ(-1)=' + IntToStr(Succ(I)) + ' Pred(-1)=' + IntToStr(Pred(I)));
  I := 2147483647; I := Succ(I); WriteLn('Succ(MaxInt)=' + IntToStr(I));
  B := 255; B := Succ(B); WriteLn('Succ(Byte 255)=' + IntToStr(B));
  B := 0; B := Pred(B); WriteLn('Pred(Byte 0)=' + IntToStr(B));
  Result := True;
end;
