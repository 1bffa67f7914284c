{ Integer results converted by IntToStr inside expressions of mixed types. }
function Main(var V: Variant): Boolean;
var
  B: Byte;
  W: Word;
  C: Cardinal;
  SI: ShortInt;
begin
  B := 255; W := 65535; C := 4294967295; SI := -128;
  WriteLn(IntToStr(B) + ' ' + IntToStr(W) + ' ' + IntToStr(C) + ' ' + IntToStr(SI));
  WriteLn(IntToStr(B + 1) + ' ' + IntToStr(W + 1) + ' ' + IntToStr(C + 1) + ' ' + IntToStr(SI - 1));
  Result := True;
end;
