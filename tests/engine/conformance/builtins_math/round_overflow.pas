{ Round and Trunc of values beyond the Integer range return Int64. }
function Main(var V: Variant): Boolean;
var
  D: Double;
  L: Int64;
  I: Integer;
begin
  D := 3e9;
  L := Round(D); WriteLn('Round(3e9)=' + IntToStr(L));
  L := Trunc(-3e9 - 0.5); WriteLn('Trunc(-3e9-0.5)=' + IntToStr(L));
  I := Round(D); WriteLn('Integer := Round(3e9) -> ' + IntToStr(I));
  Result := True;
end;
