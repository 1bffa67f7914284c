{ ShortInt, SmallInt and Word: ranges, wrapping on assignment and arithmetic. }
function Main(var V: Variant): Boolean;
var
  SI: ShortInt;
  SM: SmallInt;
  W: Word;
  I: Integer;
begin
  SI := 127; SI := SI + 1; WriteLn('shortint 127+1=' + IntToStr(SI));
  SI := -128; SI := SI - 1; WriteLn('shortint -128-1=' + IntToStr(SI));
  I := 200; SI := I; WriteLn('shortint := 200 -> ' + IntToStr(SI));
  SI := -5; I := SI * 100; WriteLn('I := SI(-5)*100 -> ' + IntToStr(I));
  SM := 32767; SM := SM + 1; WriteLn('smallint 32767+1=' + IntToStr(SM));
  I := 40000; SM := I; WriteLn('smallint := 40000 -> ' + IntToStr(SM));
  SM := 300; I := SM * 300; WriteLn('I := SM(300)*300 -> ' + IntToStr(I));
  W := 65535; W := W + 1; WriteLn('word 65535+1=' + IntToStr(W));
  W := 0; W := W - 1; WriteLn('word 0-1=' + IntToStr(W));
  I := 70000; W := I; WriteLn('word := 70000 -> ' + IntToStr(W));
  W := 1000; I := W * 1000; WriteLn('I := W(1000)*1000 -> ' + IntToStr(I));
  W := 5; I := W - 10; WriteLn('I := W(5)-10 -> ' + IntToStr(I));
  Result := True;
end;
