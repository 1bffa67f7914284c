{ StrToInt64 on text that is not a number. }
function Main(var V: Variant): Boolean;
var
  A: Int64;
begin
  A := StrToInt64('abc');
  WriteLn('StrToInt64(abc)=' + IntToStr(A));
  Result := True;
end;
