{ StrToFloat errors caught: kind and param for several bad inputs. }
procedure T(const S: string);
var
  D: Double;
begin
  try
    D := StrToFloat(S);
    WriteLn('[' + S + '] ok ' + FloatToStr(D));
  except
    WriteLn('[' + S + '] ' + IntToStr(Ord(ExceptionType)) + ' ' + ExceptionParam);
  end;
end;
function Main(var V: Variant): Boolean;
begin
  T(''); T('abc'); T('1.5 '); T('1,5'); T('1.5.2'); T('$10'); T('1e'); T('-');
  Result := True;
end;
