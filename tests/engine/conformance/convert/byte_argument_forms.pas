{ The byte arguments of convert mode as the runner reads them: decimal, $hex,
  0x hex, &octal, %binary, with a sign or leading blanks. }
function ShowBytes(var V: Variant): Boolean;
var
  I, B: Integer;
  S: string;
begin
  S := '';
  for I := 0 to 4 do
  begin
    B := VarGetIndexed(V, I);
    S := S + IntToStr(B) + ' ';
  end;
  WriteLn(S);
  Result := True;
end;
