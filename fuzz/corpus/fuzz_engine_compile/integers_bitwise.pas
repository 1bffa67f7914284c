{ and, or, xor, not, shl, shr on Integer and Cardinal, including edge shifts. }
function Main(var V: Variant): Boolean;
var
  I, J: Integer;
  C: Cardinal;
  B: Byte;
begin
  I := $F0F0; J := $0FF0;
  WriteLn('and=' + IntToStr(I and J) + ' or=' + IntToStr(I or J) + ' xor=' + IntToStr(I xor J));
  WriteLn('not 0=' + IntToStr(not 0) + ' not I=' + IntToStr(not I));
  I := 1; WriteLn('1 shl 4=' + IntToStr(I shl 4) + ' 1 shl 30=' + IntToStr(I shl 30));
  I := -16; WriteLn('-16 shr 2=' + IntToStr(I shr 2) + ' -16 shl 2=' + IntToStr(I shl 2));
  I := -1; WriteLn('-1 shr 28=' + IntToStr(I shr 28));
  I := 1; J := 32; WriteLn('1 shl 32=' + IntToStr(I shl J));
  I := 1; J := 33; WriteLn('1 shl 33=' + IntToStr(I shl J));
  C := $FFFFFFFF; WriteLn('card not=' + IntToStr(not C) + ' shr 16=' + IntToStr(C shr 16));
  B := $0F; B := not B; WriteLn('byte not $0F=' + IntToStr(B));
  B := $81; B := B shl 1; WriteLn('byte $81 shl 1=' + IntToStr(B));
  B := $81; I := B shl 1; WriteLn('I := byte $81 shl 1 -> ' + IntToStr(I));
  I := 12; WriteLn('12 and -4=' + IntToStr(I and -4));
  WriteLn('5 xor 3=' + IntToStr(5 xor 3));
  Result := True;
end;
