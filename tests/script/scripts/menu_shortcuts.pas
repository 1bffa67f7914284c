function Initialize(var V: Variant): Boolean;
begin
  Result := True;
end;

function Shortcuts(var V: Variant): Boolean;
var
  S: TShortCut;
  Key: Word;
  Shift: TShiftState;
begin
  S := ShortCut(Ord('S'), [ssCtrl]);
  ShortCutToKey(S, Key, Shift);
  V := IntToStr(S) + ',' + ShortCutToText(S) + ',' + IntToStr(TextToShortCut('Ctrl+S')) + ',' + IntToStr(Key) + ',' +
       IntToStr(Ord(ssCtrl in Shift));
  Result := True;
end;
