{ Binary integer operators take the type of the LEFT operand. }
function Main(var V: Variant): Boolean;
var
  B: Byte;
  W: Word;
  I: Integer;
  L: Int64;
  C: Cardinal;
  SI: ShortInt;
begin
  B := 200;
  I := B + 100; WriteLn('B+100=' + IntToStr(I));
  I := 100 + B; WriteLn('100+B=' + IntToStr(I));
  I := B * 2; WriteLn('B*2=' + IntToStr(I));
  I := 2 * B; WriteLn('2*B=' + IntToStr(I));
  I := B - 201; WriteLn('B-201=' + IntToStr(I));
  W := 60000; I := W + W; WriteLn('W+W=' + IntToStr(I));
  I := 5; L := 4294967301; L := I + L; WriteLn('I+L (Integer left)=' + IntToStr(L));
  L := 4294967301; I := 5; L := L + I; WriteLn('L+I (Int64 left)=' + IntToStr(L));
  I := 2000000000; L := I + I; WriteLn('L := I+I=' + IntToStr(L));
  L := I; L := L + I; WriteLn('L := L+I=' + IntToStr(L));
  C := 3000000000; I := -1; L := C + I; WriteLn('C + -1=' + IntToStr(L));
  I := -1; C := 3000000000; L := I + C; WriteLn('-1 + C=' + IntToStr(L));
  SI := -100; I := SI - 100; WriteLn('SI(-100)-100=' + IntToStr(I));
  B := 3; I := B - 5; WriteLn('B(3)-5=' + IntToStr(I));
  Result := True;
end;
