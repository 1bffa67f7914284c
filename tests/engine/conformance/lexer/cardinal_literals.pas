{ An integer literal above MaxInt is a Cardinal up to $FFFFFFFF and an Int64
  beyond; arithmetic is done in the left operand's type, also for literals. }
function Main(var V: Variant): Boolean;
var L: Int64; I: Integer; C: Cardinal; D: Double;
begin
  L := 4294967295 + 1; WriteLn('4294967295 + 1 = ' + IntToStr(L));
  L := 2147483648 * 2; WriteLn('2147483648 * 2 = ' + IntToStr(L));
  L := -2147483648; WriteLn('-2147483648 = ' + IntToStr(L));
  I := 3000000000; WriteLn('Integer := 3000000000: ' + IntToStr(I));
  L := 4294967296 + 1; WriteLn('4294967296 + 1 = ' + IntToStr(L));
  WriteLn('IntToStr(2147483647 + 1) = ' + IntToStr(2147483647 + 1));
  WriteLn('IntToStr(-2147483647 - 2) = ' + IntToStr(-2147483647 - 2));
  C := 4000000000; L := C + C; WriteLn('C + C = ' + IntToStr(L));
  D := 4294967295 + 1; WriteLn('Double := 4294967295 + 1: ' + FloatToStr(D));
  V := 3000000000;
  Result := True;
end;
