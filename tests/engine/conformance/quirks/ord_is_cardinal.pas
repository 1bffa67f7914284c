{ Ord(X) is a cast to Cardinal: stored or passed whole it relabels, as an
  operand it is a Cardinal; a Variant gets what X really is. }
type TE = (eA, eB, eC);
function BS(B: Boolean): string; begin if B then Result := 'T' else Result := 'F'; end;
function Main(var V: Variant): Boolean;
var I, J: Integer; L: Int64; C: Char; E: TE; X: Variant; B: Byte;
begin
  I := -1;
  WriteLn('Ord(I) ' + IntToStr(Ord(I)) + ', Ord(I) + 0 ' + IntToStr(Ord(I) + 0) + ', Ord(I) < 0 ' + BS(Ord(I) < 0));
  L := 5000000000;
  WriteLn('Ord(L) ' + IntToStr(Ord(L)) + ', Ord(L) + 0 ' + IntToStr(Ord(L) + 0));
  C := 'A'; E := eC; B := 200;
  WriteLn('Ord(C) + 1 ' + IntToStr(Ord(C) + 1) + ', Ord(E) * 2 ' + IntToStr(Ord(E) * 2) + ', Ord(B) + Ord(B) ' + IntToStr(Ord(B) + Ord(B)));
  X := Ord(E); WriteLn('Variant of Ord(E) ' + IntToStr(VarType(X)));
  X := Ord(I); WriteLn('Variant of Ord(I) ' + IntToStr(VarType(X)));
  X := Ord(I) + 0; WriteLn('Variant of Ord(I) + 0 ' + IntToStr(VarType(X)));
  X := Ord(C); WriteLn('Variant of Ord(C) ' + IntToStr(VarType(X)));
  J := Ord(-1); WriteLn('Integer := Ord(-1) ' + IntToStr(J));
  L := Ord(-1); WriteLn('Int64 := Ord(-1) ' + IntToStr(L));
  I := 70000;
  WriteLn('Ord(Chr(70000)) ' + IntToStr(Ord(Chr(I))));
  Result := True;
end;
