{ Mixing string and WideString in concatenation and comparison. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  S, R: string;
  W: WideString;
begin
  S := 'abc'; W := 'abc';
  WriteLn('S = W ' + BS(S = W) + ', W = S ' + BS(W = S));
  R := S + W; WriteLn('S + W = ' + R);
  W := W + S; R := W; WriteLn('W + S = ' + R);
  WriteLn('Length(S + W) = ' + IntToStr(Length(S + W)) + ' (W is now abcabc)');
  Result := True;
end;
