{ Variant arithmetic across Int64, Integer, Double and Currency. }
function Main(var V: Variant): Boolean;
var
  A, B, C: Variant;
  L: Int64;
  Cu: Currency;
  S: string;
begin
  L := 5000000000; A := L; B := 1; C := A + B; S := C; WriteLn('Int64+1=' + S + ' (' + IntToStr(VarType(C)) + ')');
  A := L; B := 0.5; C := A + B; S := C; WriteLn('Int64+0.5=' + S + ' (' + IntToStr(VarType(C)) + ')');
  Cu := 1.25; A := Cu; B := 2; C := A * B; S := C; WriteLn('Currency*2=' + S + ' (' + IntToStr(VarType(C)) + ')');
  A := 3; B := 2.0; C := A / B; S := C; WriteLn('3/2.0=' + S + ' (' + IntToStr(VarType(C)) + ')');
  A := -7; B := 2; C := A mod B; S := C; WriteLn('-7 mod 2=' + S);
  A := -7; B := 2; C := A div B; S := C; WriteLn('-7 div 2=' + S);
  Result := True;
end;
