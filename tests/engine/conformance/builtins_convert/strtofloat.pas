{ StrToFloat uses Val: '.' is always the decimal separator. }
procedure T(const S: string);
begin
  WriteLn('[' + S + '] -> ' + FloatToStr(StrToFloat(S)));
end;
function Main(var V: Variant): Boolean;
begin
  T('1.5'); T('-0.25'); T('1e3'); T('1.5E-2'); T('42'); T('  7.5');
  T('.5'); T('5.'); T('+3'); T('-1.5e+2');
  Result := True;
end;
