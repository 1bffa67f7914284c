{ Comparisons convert the right side to the left side's type. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  B: Byte;
  I: Integer;
  C: Cardinal;
  W: Word;
  L: Int64;
begin
  B := 255; I := -1;
  WriteLn('Byte 255 > -1: ' + BS(B > I));
  WriteLn('-1 < Byte 255: ' + BS(I < B));
  WriteLn('Byte 255 = -1: ' + BS(B = I));
  C := 4000000000;
  WriteLn('Cardinal 4e9 > -1: ' + BS(C > I));
  WriteLn('-1 < Cardinal 4e9: ' + BS(I < C));
  W := 1; I := 65537;
  WriteLn('Word 1 = 65537: ' + BS(W = I));
  WriteLn('65537 = Word 1: ' + BS(I = W));
  L := 4294967296 + 5; I := 5;
  WriteLn('Int64 2^32+5 = 5: ' + BS(L = I));
  WriteLn('5 = Int64 2^32+5: ' + BS(I = L));
  Result := True;
end;
