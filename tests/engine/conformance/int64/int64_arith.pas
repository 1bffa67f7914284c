{ Int64 arithmetic: large values, overflow wrap at 64 bits, div/mod, shifts. }
function Main(var V: Variant): Boolean;
var
  A, B, C: Int64;
begin
  A := 9223372036854775807; A := A + 1; WriteLn('max+1=' + IntToStr(A));
  A := 3000000000; B := A * 3; WriteLn('3e9*3=' + IntToStr(B));
  A := 4294967296; B := A * A; WriteLn('2^32*2^32=' + IntToStr(B));
  A := -9000000000; B := A div 7; C := A mod 7; WriteLn('-9e9 div 7=' + IntToStr(B) + ' mod=' + IntToStr(C));
  A := 1; B := A shl 40; WriteLn('1 shl 40=' + IntToStr(B));
  A := -1; B := A shr 60; WriteLn('-1 shr 60=' + IntToStr(B));
  A := 1; B := 63; C := A shl B; WriteLn('1 shl 63=' + IntToStr(C));
  A := $7FFFFFFFFFFFFFFF; B := A and $FFFF; WriteLn('and=' + IntToStr(B));
  A := 1234567890123; WriteLn('neg=' + IntToStr(-A));
  A := 10; B := 3; WriteLn('10/3 (int64)=' + IntToStr(A div B));
  Result := True;
end;
