// Constants and enumerations of the user-interface libraries: the values a
// script sees without making any control.
function Main(var V: Variant): Boolean;
var
  P: TPosition; A: TAlign; C: TCloseAction; K: TBitBtnKind; S: TShiftState;
  Styles: TFontStyles; I, J, K2, L: Integer;
begin
  WriteLn(IntToStr(mrNone) + ' ' + IntToStr(mrOk) + ' ' + IntToStr(mrCancel) + ' ' + IntToStr(mrAbort) + ' ' +
    IntToStr(mrRetry) + ' ' + IntToStr(mrIgnore) + ' ' + IntToStr(mrYes) + ' ' + IntToStr(mrNo) + ' ' +
    IntToStr(mrAll) + ' ' + IntToStr(mrNoToAll) + ' ' + IntToStr(mrYesToAll));
  WriteLn(IntToStr(crDefault) + ' ' + IntToStr(crArrow) + ' ' + IntToStr(crHourGlass) + ' ' + IntToStr(crHelp));
  WriteLn(IntToStr(clBlack) + ' ' + IntToStr(clRed) + ' ' + IntToStr(clBlue) + ' ' + IntToStr(clWhite) + ' ' +
    IntToStr(clNone) + ' ' + IntToStr(clDefault));
  WriteLn(IntToStr(clScrollBar) + ' ' + IntToStr(clBtnFace) + ' ' + IntToStr(clInactiveBorder) + ' ' +
    IntToStr(clInfoBk) + ' ' + IntToStr(clWindowText));
  WriteLn(IntToStr(clBtnFace + 1) + ' ' + IntToStr(clSilver - clGray));
  P := poScreenCenter; A := alClient; C := caFree; K := bkClose;
  I := Ord(P); J := Ord(A); K2 := Ord(C); L := Ord(K);
  WriteLn(IntToStr(I) + ' ' + IntToStr(J) + ' ' + IntToStr(K2) + ' ' + IntToStr(L));
  S := [ssShift, ssCtrl];
  if ssCtrl in S then WriteLn('ctrl');
  if not (ssAlt in S) then WriteLn('no alt');
  Styles := [fsBold]; Include(Styles, fsItalic);
  if fsItalic in Styles then WriteLn('italic');
  Result := True;
end;
