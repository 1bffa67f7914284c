{ Integer and real literal forms: decimal, $hex, exponent, large values. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  C: Cardinal;
  L: Int64;
  D: Double;
begin
  I := $FF; WriteLn('$FF=' + IntToStr(I));
  I := $7FFFFFFF; WriteLn('$7FFFFFFF=' + IntToStr(I));
  I := $ff; WriteLn('$ff=' + IntToStr(I));
  I := $0; WriteLn('$0=' + IntToStr(I));
  I := 2147483647; WriteLn('maxint=' + IntToStr(I));
  I := -2147483648; WriteLn('minint=' + IntToStr(I));
  C := $FFFFFFFF; WriteLn('$FFFFFFFF card=' + IntToStr(C));
  L := 9223372036854775807; WriteLn('max int64=' + IntToStr(L));
  L := $100000000; WriteLn('$100000000=' + IntToStr(L));
  L := 4294967296; WriteLn('2^32=' + IntToStr(L));
  D := 1.5e3; WriteLn('1.5e3=' + FloatToStr(D));
  D := 1E-2; WriteLn('1E-2=' + FloatToStr(D));
  D := 2.5E+2; WriteLn('2.5E+2=' + FloatToStr(D));
  D := 0.125; WriteLn('0.125=' + FloatToStr(D));
  D := 12345678.875; WriteLn('12345678.875=' + FloatToStr(D));
  D := 3; WriteLn('int to double=' + FloatToStr(D));
  I := 007; WriteLn('007=' + IntToStr(I));
  Result := True;
end;
