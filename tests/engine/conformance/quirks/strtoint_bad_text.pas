{ StrToInt never raises: invalid text gives -1, indistinguishable from '-1'. }
function Main(var V: Variant): Boolean;
begin
  WriteLn(IntToStr(StrToInt('x')) + ' ' + IntToStr(StrToInt('-1')) + ' ' + IntToStr(StrToInt('')) + ' ' +
    IntToStr(StrToInt('1 ')) + ' ' + IntToStr(StrToInt(' 1')) + ' ' + IntToStr(StrToInt('0x')) + ' ' + IntToStr(StrToInt('1_000')));
  Result := True;
end;
