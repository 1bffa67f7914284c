{ case on Char and enum selectors, with ranges of chars. }
type
  TDir = (dNorth, dEast, dSouth, dWest);
function CharKind(C: Char): string;
begin
  case C of
    'a'..'z': Result := 'lower';
    'A'..'Z': Result := 'upper';
    '0'..'9': Result := 'digit';
    ' ', #9: Result := 'space';
  else
    Result := 'other';
  end;
end;
function DirName(D: TDir): string;
begin
  case D of
    dNorth, dSouth: Result := 'vertical';
    dEast: Result := 'east';
  else
    Result := 'west';
  end;
end;
function Main(var V: Variant): Boolean;
var
  S, R: string;
  I: Integer;
  D: TDir;
begin
  S := 'aZ5 ;'#9;
  R := '';
  for I := 1 to Length(S) do R := R + CharKind(S[I]) + ' ';
  WriteLn(R);
  R := '';
  for D := dNorth to dWest do R := R + DirName(D) + ' ';
  WriteLn(R);
  Result := True;
end;
