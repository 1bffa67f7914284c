{ Booleans in Variants: True is -1 as a number, comparisons with numbers. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  X, Y: Variant;
  I: Integer;
begin
  X := True; I := X; WriteLn('True -> ' + IntToStr(I));
  X := False; I := X; WriteLn('False -> ' + IntToStr(I));
  X := True; Y := -1; WriteLn('True = -1 ' + BS(X = Y));
  X := True; Y := False; Y := X and Y; WriteLn('True and False -> ' + BS(Y) + ' type ' + IntToStr(VarType(Y)));
  X := True; Y := not X; WriteLn('not True -> ' + BS(Y));
  X := 5; if X = 5 then WriteLn('X = 5 in if');
  X := 1; if X > 0 then WriteLn('X > 0');
  Result := True;
end;
