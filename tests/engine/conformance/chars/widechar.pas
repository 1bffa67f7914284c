{ WideChar: codes above 255, conversion to WideString and to Char. }
function Main(var V: Variant): Boolean;
var
  W: WideChar;
  WS: WideString;
  C: Char;
begin
  W := 'A';
  WriteLn('Ord=' + IntToStr(Ord(W)));
  WS := W; WS := WS + W;
  WriteLn('widestring len=' + IntToStr(Length(WS)));
  W := #$263A;
  WriteLn('smiley ord=' + IntToStr(Ord(W)));
  W := 'z'; C := W;
  WriteLn('to char=' + C);
  Result := True;
end;
