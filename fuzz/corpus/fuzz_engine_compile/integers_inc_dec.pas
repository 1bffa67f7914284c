{ Inc and Dec with one argument, wrapping in the variable's own type. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  B: Byte;
  W: Word;
  S: ShortInt;
  C: Cardinal;
  L: Int64;
begin
  I := 0; Inc(I); Inc(I); Dec(I); WriteLn('I=' + IntToStr(I));
  I := 2147483647; Inc(I); WriteLn('Inc(MaxInt)=' + IntToStr(I));
  B := 255; Inc(B); WriteLn('Inc(Byte 255)=' + IntToStr(B));
  B := 0; Dec(B); WriteLn('Dec(Byte 0)=' + IntToStr(B));
  W := 0; Dec(W); WriteLn('Dec(Word 0)=' + IntToStr(W));
  S := 127; Inc(S); WriteLn('Inc(ShortInt 127)=' + IntToStr(S));
  C := 0; Dec(C); WriteLn('Dec(Cardinal 0)=' + IntToStr(C));
  L := 4294967295; Inc(L); WriteLn('Inc(Int64 2^32-1)=' + IntToStr(L));
  Result := True;
end;
