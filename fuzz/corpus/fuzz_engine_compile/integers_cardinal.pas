{ Cardinal/LongWord: unsigned 32-bit wrap, conversions to and from Integer, IntToStr. }
function Main(var V: Variant): Boolean;
var
  C, D: Cardinal;
  LW: LongWord;
  I: Integer;
  L: Int64;
begin
  C := 0; C := C - 1; WriteLn('0-1=' + IntToStr(C));
  C := 4294967295; C := C + 1; WriteLn('max+1=' + IntToStr(C));
  C := 3000000000; WriteLn('3e9=' + IntToStr(C));
  I := C; WriteLn('Integer := 3e9 -> ' + IntToStr(I));
  I := -1; C := I; WriteLn('Cardinal := -1 -> ' + IntToStr(C));
  C := 3000000000; L := C; WriteLn('Int64 := 3e9 -> ' + IntToStr(L));
  C := 4000000000; D := C div 3; WriteLn('4e9 div 3=' + IntToStr(D));
  C := 4000000000; D := C mod 7; WriteLn('4e9 mod 7=' + IntToStr(D));
  C := $80000000; D := C shr 31; WriteLn('$80000000 shr 31=' + IntToStr(D));
  LW := 123456789; LW := LW * 10; WriteLn('longword *10=' + IntToStr(LW));
  LW := 123456789; LW := LW * 100; WriteLn('longword *100=' + IntToStr(LW));
  Result := True;
end;
