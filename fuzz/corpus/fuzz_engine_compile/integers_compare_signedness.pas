{ Signed/unsigned comparisons follow the left operand's type. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  SI: ShortInt;
  B: Byte;
  W: Word;
  SM: SmallInt;
  C: Cardinal;
  I: Integer;
begin
  SI := -1; B := 255;
  WriteLn('ShortInt(-1) = Byte(255): ' + BS(SI = B) + ', Byte(255) = ShortInt(-1): ' + BS(B = SI));
  SI := -1; B := 1;
  WriteLn('ShortInt(-1) < Byte(1): ' + BS(SI < B) + ', Byte(1) > ShortInt(-1): ' + BS(B > SI));
  SM := -1; W := 65535;
  WriteLn('SmallInt(-1) = Word(65535): ' + BS(SM = W) + ', Word = SmallInt: ' + BS(W = SM));
  C := 1; I := -1;
  WriteLn('Cardinal(1) > Integer(-1): ' + BS(C > I) + ', Integer(-1) < Cardinal(1): ' + BS(I < C));
  I := 0;
  WriteLn('Cardinal(1) > 0: ' + BS(C > I));
  Result := True;
end;
