{ Unary minus and not are evaluated in the type of the destination. }
function Main(var V: Variant): Boolean;
var
  B: Byte;
  I: Integer;
  C: Cardinal;
  L: Int64;
  W: Word;
begin
  B := 7; I := -B; WriteLn('I := -B -> ' + IntToStr(I));
  B := 7; B := -B; WriteLn('B := -B -> ' + IntToStr(B));
  B := 7; I := not B; WriteLn('I := not B -> ' + IntToStr(I));
  B := 7; B := not B; WriteLn('B := not B -> ' + IntToStr(B));
  C := $FFFFFFFF; L := not C; WriteLn('L := not C -> ' + IntToStr(L));
  C := $FFFFFFFF; C := not C; WriteLn('C := not C -> ' + IntToStr(C));
  C := $FFFFFFFF; WriteLn('IntToStr(not C) -> ' + IntToStr(not C));
  W := 1; I := -W; WriteLn('I := -W -> ' + IntToStr(I));
  W := 1; W := -W; WriteLn('W := -W -> ' + IntToStr(W));
  Result := True;
end;
