{ A set over an enum with 40 values (more than 32 bits): membership, union,
  difference and Include/Exclude at the high end. }
type
  TBig = (b00, b01, b02, b03, b04, b05, b06, b07, b08, b09,
          b10, b11, b12, b13, b14, b15, b16, b17, b18, b19,
          b20, b21, b22, b23, b24, b25, b26, b27, b28, b29,
          b30, b31, b32, b33, b34, b35, b36, b37, b38, b39);
  TBigSet = set of TBig;
function Show(const S: TBigSet): string;
var
  E: TBig;
begin
  Result := '';
  for E := b00 to b39 do
    if E in S then Result := Result + IntToStr(Ord(E)) + ' ';
end;
function Main(var V: Variant): Boolean;
var
  A, B: TBigSet;
begin
  A := [b00, b31, b32, b39];
  B := [b31, b33];
  WriteLn('A: ' + Show(A));
  WriteLn('A+B: ' + Show(A + B));
  WriteLn('A-B: ' + Show(A - B));
  WriteLn('A*B: ' + Show(A * B));
  Include(A, b38); Exclude(A, b00);
  WriteLn('after Include/Exclude: ' + Show(A));
  if b39 in A then WriteLn('b39 in A');
  if A <> B then WriteLn('A <> B');
  Result := True;
end;
