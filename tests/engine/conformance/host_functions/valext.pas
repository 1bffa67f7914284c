{ The host's ValExt (RTL Val on Extended): result and error position. }
procedure T(const S: string);
var
  R: Extended;
  C: Integer;
begin
  R := -1; C := -1;
  ValExt(S, R, C);
  WriteLn('[' + S + '] res=' + FloatToStr(R) + ' code=' + IntToStr(C));
end;
function Main(var V: Variant): Boolean;
begin
  T('1.5'); T('-2e3'); T('  3.25'); T('3.25 '); T(''); T('1,5'); T('abc'); T('12x'); T('.5'); T('1e'); T('-');
  Result := True;
end;
