{ Integer (LongInt) arithmetic wraps silently in 32 bits. }
function Main(var V: Variant): Boolean;
var
  I, J: Integer;
  L: LongInt;
begin
  I := 2147483647; I := I + 1; WriteLn('MaxInt+1=' + IntToStr(I));
  I := -2147483647 - 1; WriteLn('min=' + IntToStr(I));
  I := I - 1; WriteLn('min-1=' + IntToStr(I));
  I := 65536; J := I * I; WriteLn('65536*65536=' + IntToStr(J));
  I := 100000; J := I * 30000; WriteLn('100000*30000=' + IntToStr(J));
  I := -2147483647 - 1; J := -I; WriteLn('-min=' + IntToStr(J));
  I := -2147483647 - 1; J := I div -1; WriteLn('min div -1=' + IntToStr(J));
  L := 2000000000; L := L + L; WriteLn('longint 2e9+2e9=' + IntToStr(L));
  I := 1; J := I shl 31; WriteLn('1 shl 31=' + IntToStr(J));
  Result := True;
end;
