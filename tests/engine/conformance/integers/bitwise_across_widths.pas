{ and, or, xor between operands of different widths and signs: the result
  takes the left operand's type, whatever the right operand's range. }
function Main(var V: Variant): Boolean;
var
  B: Byte;
  S: ShortInt;
  W: Word;
  SI: SmallInt;
  I: Integer;
  C: Cardinal;
begin
  C := $FFFFFF00; B := $FF;
  WriteLn('card or byte=' + IntToStr(C or B) + ' card xor byte=' + IntToStr(C xor B));
  S := -1; C := 5;
  WriteLn('card or shortint -1=' + IntToStr(C or S) + ' card and shortint -1=' + IntToStr(C and S));
  SI := -300; S := -3;
  WriteLn('smallint or shortint=' + IntToStr(SI or S) + ' smallint xor shortint=' + IntToStr(SI xor S));
  B := 200;
  WriteLn('byte and shortint=' + IntToStr(B and S) + ' byte or shortint=' + IntToStr(B or S));
  W := $FF00;
  WriteLn('word xor byte=' + IntToStr(W xor B) + ' word or smallint=' + IntToStr(W or SI));
  I := -2; C := $80000007;
  WriteLn('int and card=' + IntToStr(I and C) + ' int or card=' + IntToStr(I or C));
  I := -7; S := -128;
  WriteLn('int or shortint=' + IntToStr(I or S) + ' int xor shortint=' + IntToStr(I xor S));
  C := 0;
  C := (C shl 8) or B; C := (C shl 8) or B;
  WriteLn('shifted in=' + IntToStr(C));
  Result := True;
end;
