{ The host's ValInt: result and code (0 on success, else the 1-based position
  of the first unusable character, 1 for empty text). }
procedure T(const S: string);
var
  R, C: Integer;
begin
  R := 77; C := 77;
  ValInt(S, R, C);
  WriteLn('[' + S + '] res=' + IntToStr(R) + ' code=' + IntToStr(C));
end;
function Main(var V: Variant): Boolean;
begin
  T('123'); T('-123'); T('+5'); T('  9'); T('9 '); T(''); T('   '); T('12a'); T('abc');
  T('$FF'); T('xff'); T('0x1A'); T('0XdeadBEEF'); T('$FFFFFFFF'); T('$100000000'); T('$000000001');
  T('2147483647'); T('2147483648'); T('-2147483648'); T('-2147483649'); T('-'); T('$'); T('--1');
  Result := True;
end;
