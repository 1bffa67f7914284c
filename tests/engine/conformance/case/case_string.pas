{ case on string selectors (case-sensitive). }
function Code(const S: string): Integer;
begin
  case S of
    'red': Result := 1;
    'green', 'GREEN': Result := 2;
    '': Result := 0;
  else
    Result := -1;
  end;
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn(IntToStr(Code('red')) + ' ' + IntToStr(Code('Red')) + ' ' + IntToStr(Code('green')) + ' ' +
    IntToStr(Code('GREEN')) + ' ' + IntToStr(Code('')) + ' ' + IntToStr(Code('blue')));
  Result := True;
end;
