{ Integer type casts truncate to the target width. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  L: Int64;
  C: Cardinal;
begin
  I := 300; WriteLn('Byte(300)=' + IntToStr(Byte(I)));
  I := 200; WriteLn('ShortInt(200)=' + IntToStr(ShortInt(I)));
  I := 70000; WriteLn('Word(70000)=' + IntToStr(Word(I)));
  I := 40000; WriteLn('SmallInt(40000)=' + IntToStr(SmallInt(I)));
  I := -1; WriteLn('Cardinal(-1)=' + IntToStr(Cardinal(I)));
  I := -1; WriteLn('Byte(-1)=' + IntToStr(Byte(I)));
  C := 4000000000; WriteLn('Integer(4e9)=' + IntToStr(Integer(C)));
  L := 4294967297; WriteLn('Integer(2^32+1)=' + IntToStr(Integer(L)));
  L := -4294967297; WriteLn('Cardinal(-(2^32+1))=' + IntToStr(Cardinal(L)));
  I := 1234; WriteLn('Int64(1234)=' + IntToStr(Int64(I)));
  WriteLn('Byte(300) const=' + IntToStr(Byte(300)));
  Result := True;
end;
