{ Inc and Dec on enum variables; enum values as array indexes through Ord. }
type
  TE = (eA, eB, eC);
function Main(var V: Variant): Boolean;
var
  E: TE;
  Counts: array[0..2] of Integer;
begin
  E := eA;
  Inc(E); WriteLn('Inc -> ' + IntToStr(Ord(E)));
  Inc(E); WriteLn('Inc -> ' + IntToStr(Ord(E)));
  Dec(E); WriteLn('Dec -> ' + IntToStr(Ord(E)));
  Counts[Ord(E)] := 5;
  WriteLn('Counts[1]=' + IntToStr(Counts[1]));
  Result := True;
end;
