{ WideString/UnicodeString: assignment from string, indexing, length, concat,
  conversion back to string, comparison. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  W, W2: WideString;
  U: UnicodeString;
  S: string;
begin
  S := 'hello';
  W := S;
  WriteLn('len=' + IntToStr(Length(W)) + ' W[2] ord=' + IntToStr(Ord(W[2])));
  W[1] := 'J';
  S := W; WriteLn('back=' + S);
  W2 := W + ' world'; S := W2; WriteLn('concat=' + S);
  U := W2; S := U; WriteLn('unicode=' + S);
  W := #$263A + 'x';
  WriteLn('smiley len=' + IntToStr(Length(W)) + ' ord=' + IntToStr(Ord(W[1])));
  W := 'abc'; W2 := 'abd';
  WriteLn('abc<abd ' + BS(W < W2) + ' abc=abc ' + BS(W = 'abc'));
  SetLength(W, 2); S := W; WriteLn('SetLength 2=' + S);
  Result := True;
end;
