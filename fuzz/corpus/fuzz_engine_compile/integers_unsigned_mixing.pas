{ Word, Cardinal and Int64 mixed with signed operands (left operand decides). }
function Main(var V: Variant): Boolean;
var
  W1, W2: Word;
  C1, C2: Cardinal;
  L: Int64;
  I: Integer;
  SI: ShortInt;
  B: Byte;
begin
  W1 := 300; W2 := 400; I := W1 * W2; WriteLn('Word*Word=' + IntToStr(I));
  W1 := 3; W2 := 5; I := W1 - W2; WriteLn('Word-Word=' + IntToStr(I));
  C1 := 3; C2 := 5; L := C1 - C2; WriteLn('Cardinal-Cardinal=' + IntToStr(L));
  C1 := 3000000000; L := C1 + C1; WriteLn('Cardinal+Cardinal=' + IntToStr(L));
  L := 10; C1 := 4000000000; L := L + C1; WriteLn('Int64+Cardinal=' + IntToStr(L));
  SI := -1; B := 1; I := SI + B; WriteLn('ShortInt(-1)+Byte(1)=' + IntToStr(I));
  B := 1; SI := -1; I := B + SI; WriteLn('Byte(1)+ShortInt(-1)=' + IntToStr(I));
  B := 250; I := B mod 7; WriteLn('Byte mod=' + IntToStr(I));
  B := 200; I := B div 3; WriteLn('Byte div=' + IntToStr(I));
  W1 := 65535; I := W1 and $FF00; WriteLn('Word and=' + IntToStr(I));
  B := 128; I := B shl 1; WriteLn('Byte shl=' + IntToStr(I));
  W1 := 1; I := W1 shl 16; WriteLn('Word shl 16=' + IntToStr(I));
  Result := True;
end;
