{ Building a long string in a loop; Length and sampled characters. }
function Main(var V: Variant): Boolean;
var
  S: string;
  I, Sum: Integer;
begin
  S := '';
  for I := 1 to 10000 do
    S := S + Chr(Ord('a') + I mod 26);
  Sum := 0;
  for I := 1 to Length(S) do
    Sum := Sum + Ord(S[I]);
  WriteLn('len=' + IntToStr(Length(S)) + ' sum=' + IntToStr(Sum) + ' first=' + S[1] + ' last=' + S[10000]);
  Result := True;
end;
