{ Operator precedence: unary, multiplicative, additive, relational. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  I := 2 + 3 * 4; WriteLn('2+3*4=' + IntToStr(I));
  I := (2 + 3) * 4; WriteLn('(2+3)*4=' + IntToStr(I));
  I := 20 - 6 - 4; WriteLn('20-6-4=' + IntToStr(I));
  I := 100 div 10 div 5; WriteLn('100 div 10 div 5=' + IntToStr(I));
  I := 2 * 3 mod 4; WriteLn('2*3 mod 4=' + IntToStr(I));
  I := 1 + 2 shl 3; WriteLn('1+2 shl 3=' + IntToStr(I));
  I := 6 or 1 and 2; WriteLn('6 or 1 and 2=' + IntToStr(I));
  I := -2 * -3; WriteLn('-2*-3=' + IntToStr(I));
  I := - 5 + 2; WriteLn('-5+2=' + IntToStr(I));
  I := not 1 + 1; WriteLn('not 1 + 1=' + IntToStr(I));
  WriteLn('1 < 2 = True: ' + BS((1 < 2) = True));
  WriteLn('3 xor 5 or 8=' + IntToStr(3 xor 5 or 8));
  Result := True;
end;
