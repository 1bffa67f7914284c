{ Untyped constants and constant expressions of every basic kind. }
const
  A = 10;
  B = A * 3 + 1;
  C = (A + B) div 4;
  D = B mod 7;
  E = -A;
  F = A shl 4;
  G = $F0 or $0F;
  H = $FF and $3C;
  I = $FF xor $0F;
  S = 'ab' + 'cd';
  S2 = 'x' + #65 + #$42;
  R = 1.5 * 2;
  R2 = 10 / 4;
  BT = True;
  BF = False;
  NA = not A;
  CH = 'q';
  N = A - 20;

function Main(var V: Variant): Boolean;
begin
  WriteLn('B=' + IntToStr(B) + ' C=' + IntToStr(C) + ' D=' + IntToStr(D) + ' E=' + IntToStr(E));
  WriteLn('F=' + IntToStr(F) + ' G=' + IntToStr(G) + ' H=' + IntToStr(H) + ' I=' + IntToStr(I));
  WriteLn('S=' + S + ' S2=' + S2 + ' CH=' + CH);
  WriteLn('R=' + FloatToStr(R) + ' R2=' + FloatToStr(R2));
  if BT then WriteLn('BT true');
  if not BF then WriteLn('BF false');
  WriteLn('NA=' + IntToStr(NA));
  WriteLn('N=' + IntToStr(N));
  Result := True;
end;
