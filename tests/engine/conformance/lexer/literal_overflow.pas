{ Integer literals beyond the target's range wrap silently; an Int64 literal
  beyond 2^63-1 becomes 0. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  C: Cardinal;
  L: Int64;
begin
  I := 2147483648; WriteLn('I := 2147483648 -> ' + IntToStr(I));
  I := $FFFFFFFF; WriteLn('I := $FFFFFFFF -> ' + IntToStr(I));
  I := 4294967297; WriteLn('I := 4294967297 -> ' + IntToStr(I));
  C := -1; WriteLn('C := -1 -> ' + IntToStr(C));
  L := 9223372036854775808; WriteLn('L := 2^63 -> ' + IntToStr(L));
  L := $FFFFFFFFFFFFFFFF; WriteLn('L := $FFFFFFFFFFFFFFFF -> ' + IntToStr(L));
  Result := True;
end;
