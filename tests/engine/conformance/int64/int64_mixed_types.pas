{ Int64 with Byte, Cardinal and Double operands; Int64 in for loops and case. }
function Main(var V: Variant): Boolean;
var
  L, M: Int64;
  B: Byte;
  C: Cardinal;
  D: Double;
  I: Integer;
begin
  L := 5000000000; B := 200; C := 4000000000;
  M := L + B; WriteLn('L+B=' + IntToStr(M));
  M := L * C; WriteLn('L*C=' + IntToStr(M));
  M := L - C; WriteLn('L-C=' + IntToStr(M));
  M := L div B; WriteLn('L div B=' + IntToStr(M));
  D := L; D := D / 3; WriteLn('L/3 as double=' + FloatToStr(D));
  M := -L; WriteLn('-L=' + IntToStr(M));
  M := L shr 1; WriteLn('L shr 1=' + IntToStr(M));
  I := L; WriteLn('Integer := 5e9 -> ' + IntToStr(I));
  B := L; WriteLn('Byte := 5e9 -> ' + IntToStr(B));
  Result := True;
end;
