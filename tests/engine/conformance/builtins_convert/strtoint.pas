{ StrToInt: -1 for invalid input, hex forms, leading spaces accepted,
  trailing spaces rejected; StrToIntDef. }
procedure T(const S: string);
begin
  WriteLn('[' + S + '] -> ' + IntToStr(StrToInt(S)) + ' def ' + IntToStr(StrToIntDef(S, 999)));
end;
function Main(var V: Variant): Boolean;
begin
  T('42'); T('-42'); T('+42'); T('  42'); T('42 '); T('');
  T('abc'); T('12abc'); T('$1F'); T('0x1F'); T('0X1f'); T('$'); T('-$10');
  T('2147483647'); T('2147483648'); T('-2147483648'); T('-2147483649');
  T('4294967295'); T('1.5'); T('1e3'); T('007'); T('-1');
  Result := True;
end;
