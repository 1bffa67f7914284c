{ for with Byte and Int64 control variables within range. }
function Main(var V: Variant): Boolean;
var
  B: Byte;
  L: Int64;
  S: string;
  N: Integer;
begin
  S := '';
  for B := 250 to 254 do S := S + IntToStr(B) + ' ';
  WriteLn(S + 'after=' + IntToStr(B));
  N := 0;
  for L := 4294967290 to 4294967300 do N := N + 1;
  WriteLn('int64 loop N=' + IntToStr(N) + ' after=' + IntToStr(L));
  Result := True;
end;
