{ Casts between integers, Booleans, enumerations and characters of
  variables: Integer(B) of a Boolean, TE(I), Boolean(I) (kept as the low
  byte), WideChar(C). }
type TE = (eA, eB, eC);
function Main(var V: Variant): Boolean;
var I: Integer; Bo: Boolean; E: TE; C: Char; WC: WideChar; B: Byte; L: Int64; LB: LongBool;
begin
  Bo := True; I := Integer(Bo); WriteLn('Integer(True) ' + IntToStr(I));
  E := eC; I := Integer(E); WriteLn('Integer(eC) ' + IntToStr(I));
  B := Byte(E) + 1; WriteLn('Byte(eC) + 1 ' + IntToStr(B));
  I := 1; E := TE(I); WriteLn('TE(1) ' + IntToStr(Ord(E)));
  I := 300; Bo := Boolean(I); WriteLn('Ord(Boolean(300)) ' + IntToStr(Ord(Bo)));
  I := 256; Bo := Boolean(I);
  if Bo then WriteLn('Boolean(256) True') else WriteLn('Boolean(256) False');
  L := 5000000000; LB := LongBool(L); V := LB;
  C := 'A'; WC := WideChar(C); WriteLn('WideChar(C) ' + WC);
  Result := True;
end;
