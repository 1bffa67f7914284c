{ StrToIntDef and StrToInt64Def with hex forms, signs and the defaults. }
function Main(var V: Variant): Boolean;
begin
  WriteLn(IntToStr(StrToIntDef('$7FFFFFFF', 0)) + ' ' + IntToStr(StrToIntDef('$80000000', 0)) + ' ' + IntToStr(StrToIntDef('$FFFFFFFF', 0)));
  WriteLn(IntToStr(StrToIntDef('-0', 5)) + ' ' + IntToStr(StrToIntDef('+', 5)) + ' ' + IntToStr(StrToIntDef('0x', 5)) + ' ' + IntToStr(StrToIntDef('x10', 5)));
  WriteLn(IntToStr(StrToInt64Def('$7FFFFFFFFFFFFFFF', 0)) + ' ' + IntToStr(StrToInt64Def('-9223372036854775808', 0)) + ' ' + IntToStr(StrToInt64Def('0x10', 0)));
  WriteLn(IntToStr(StrToInt64Def('1e5', 7)) + ' ' + IntToStr(StrToInt64Def(' 12', 7)) + ' ' + IntToStr(StrToInt64Def('12 ', 7)));
  Result := True;
end;
