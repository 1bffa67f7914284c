{ Integer comparisons: both operands are widened to at least 32 bits (64 if
  either is Int64) and compared with the LEFT operand's signedness; the right
  operand is NOT narrowed to the left's type (so Byte(255) = -1 is False, but
  Byte(255) >= -1 is False too, because -1 reads as $FFFFFFFF unsigned). }
function BS(B: Boolean): string;
begin
  if B then Result := 'T' else Result := 'F';
end;
function Main(var V: Variant): Boolean;
var
  B: Byte;
  W: Word;
  SI: ShortInt;
  I: Integer;
  C: Cardinal;
  L: Int64;
begin
  B := 255; I := 511;
  WriteLn('B(255) vs 511: = ' + BS(B = I) + ' <> ' + BS(B <> I) + ' >= ' + BS(B >= I) + ' < ' + BS(B < I));
  I := -1;
  WriteLn('B(255) vs -1: = ' + BS(B = I) + ' >= ' + BS(B >= I) + ' <= ' + BS(B <= I) + ' > ' + BS(B > I));
  I := 255;
  WriteLn('B(255) = 255: ' + BS(B = I));
  W := 1; I := 65537;
  WriteLn('W(1) vs 65537: = ' + BS(W = I) + ' < ' + BS(W < I) + ' >= ' + BS(W >= I));
  B := 255; L := -1;
  WriteLn('B(255) > Int64(-1): ' + BS(B > L));
  C := 5; L := -1;
  WriteLn('C(5) > Int64(-1): ' + BS(C > L) + ', Int64(-1) < C(5): ' + BS(L < C));
  SI := -1; C := 5;
  WriteLn('SI(-1) < C(5): ' + BS(SI < C) + ', C(5) > SI(-1): ' + BS(C > SI));
  L := 4294967295; I := -1;
  WriteLn('Int64(2^32-1) = I(-1): ' + BS(L = I) + ', I(-1) = Int64(2^32-1): ' + BS(I = L));
  C := 4294967295; I := -1;
  WriteLn('C(2^32-1) = I(-1): ' + BS(C = I) + ', I(-1) = C(2^32-1): ' + BS(I = C));
  Result := True;
end;
