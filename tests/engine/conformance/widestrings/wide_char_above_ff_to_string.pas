{ A character code above $FF (#$20AC) turned into a string gives its UTF-8
  bytes (the runner's locale is C.UTF-8), whether it is a literal, a WideChar
  or a WideString; in a Variant it is an OleStr. }
function Main(var V: Variant): Boolean;
var
  S: string;
  W: WideString;
  WC: WideChar;
  X: Variant;
begin
  S := #$20AC;
  WriteLn('literal: len ' + IntToStr(Length(S)) + ' bytes ' + IntToStr(Ord(S[1])) + ' ' + IntToStr(Ord(S[2])) + ' ' + IntToStr(Ord(S[3])));
  WC := #$20AC; S := WC;
  WriteLn('WideChar: len ' + IntToStr(Length(S)) + ' code ' + IntToStr(Ord(WC)));
  W := #$20AC; S := W;
  WriteLn('WideString: len ' + IntToStr(Length(S)) + ' wide len ' + IntToStr(Length(W)));
  S := 'a' + #$20AC + 'b';
  WriteLn('concatenated: len ' + IntToStr(Length(S)));
  X := #$20AC;
  WriteLn('variant type ' + IntToStr(VarType(X)));
  X := WC;
  WriteLn('WideChar variable in a variant: type ' + IntToStr(VarType(X)));
  Result := True;
end;
