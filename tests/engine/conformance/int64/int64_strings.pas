{ Int64ToStr, StrToInt64, StrToInt64Def at the edges of the range. }
function Main(var V: Variant): Boolean;
var
  A: Int64;
begin
  WriteLn(Int64ToStr(-9223372036854775807 - 1));
  A := StrToInt64('9223372036854775807'); WriteLn(IntToStr(A));
  A := StrToInt64('-9223372036854775808'); WriteLn(IntToStr(A));
  A := StrToInt64('$FFFFFFFFFF'); WriteLn(IntToStr(A));
  A := StrToInt64Def('12x', -5); WriteLn('def=' + IntToStr(A));
  A := StrToInt64Def('', 77); WriteLn('empty def=' + IntToStr(A));
  A := StrToInt64Def(' 42', 0); WriteLn('leading space=' + IntToStr(A));
  A := StrToInt64Def('42 ', 0); WriteLn('trailing space=' + IntToStr(A));
  A := StrToInt64Def('9223372036854775808', 1); WriteLn('overflow def=' + IntToStr(A));
  Result := True;
end;
