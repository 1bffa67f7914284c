{ Enumerations: Ord of variables, Succ/Pred, = and <>, for loops,
  case, default zero value. }
type
  TColor = (cRed, cGreen, cBlue, cWhite);
function Name(C: TColor): string;
begin
  case C of
    cRed: Result := 'red';
    cGreen: Result := 'green';
    cBlue: Result := 'blue';
  else
    Result := 'other';
  end;
end;
function Main(var V: Variant): Boolean;
var
  C, D: TColor;
begin
  WriteLn('default=' + Name(C) + ' ord=' + IntToStr(Ord(C)));
  C := cBlue;
  WriteLn(Name(C) + ' ord=' + IntToStr(Ord(C)));
  D := Succ(C); WriteLn('Succ=' + Name(D));
  D := Pred(C); WriteLn('Pred=' + Name(D));
  if C <> cGreen then WriteLn('C <> cGreen');
  if C = cBlue then WriteLn('C = cBlue');
  for D := cRed to cWhite do
    WriteLn('loop ' + Name(D) + ' ' + IntToStr(Ord(D)));
  for D := cWhite downto cGreen do
    WriteLn('down ' + Name(D));
  Result := True;
end;
