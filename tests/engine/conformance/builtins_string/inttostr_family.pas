{ IntToStr, Int64ToStr, IntToHexStr on edge values. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  L: Int64;
begin
  I := 0; WriteLn(IntToStr(I));
  I := -2147483647 - 1; WriteLn(IntToStr(I));
  L := -1; WriteLn(Int64ToStr(L));
  WriteLn(IntToHexStr(255) + ' ' + IntToHexStr(0) + ' ' + IntToHexStr(-1) + ' ' + IntToHexStr(4096) + ' ' + IntToHexStr(-2147483647 - 1));
  WriteLn(IntToHexStr($ABCDEF));
  Result := True;
end;
