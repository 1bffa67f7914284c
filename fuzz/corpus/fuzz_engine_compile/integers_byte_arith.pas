{ Byte arithmetic wraps in 8 bits when the Byte is the left operand. }
function Main(var V: Variant): Boolean;
var
  B, B2: Byte;
  I: Integer;
begin
  B := 255; B := B + 1; WriteLn('255+1=' + IntToStr(B));
  B := 0; B := B - 1; WriteLn('0-1=' + IntToStr(B));
  B := 16; B := B * 16; WriteLn('16*16=' + IntToStr(B));
  B := 200; I := B + 100; WriteLn('I := B(200)+100 -> ' + IntToStr(I));
  B := 200; I := 100 + B; WriteLn('I := 100+B(200) -> ' + IntToStr(I));
  B := 200; B2 := 100; I := B + B2; WriteLn('I := B(200)+B2(100) -> ' + IntToStr(I));
  B := 10; I := B - 20; WriteLn('I := B(10)-20 -> ' + IntToStr(I));
  B := 100; I := B * 3; WriteLn('I := B(100)*3 -> ' + IntToStr(I));
  B := 7; I := B div 2; WriteLn('7 div 2=' + IntToStr(I));
  B := 7; I := -B; WriteLn('-B(7) -> ' + IntToStr(I));
  I := 300; B := I; WriteLn('B := 300 -> ' + IntToStr(B));
  I := -1; B := I; WriteLn('B := -1 -> ' + IntToStr(B));
  Result := True;
end;
