{ Converting Variants into typed variables. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  I: Integer;
  B: Byte;
  D: Double;
  S: string;
  Bo: Boolean;
begin
  X := '42'; I := X; WriteLn('''42'' -> Integer ' + IntToStr(I));
  X := ' 42'; I := X; WriteLn(''' 42'' -> Integer ' + IntToStr(I));
  X := 3.7; I := X; WriteLn('3.7 -> Integer ' + IntToStr(I));
  X := 2.5; I := X; WriteLn('2.5 -> Integer ' + IntToStr(I));
  X := 3.5; I := X; WriteLn('3.5 -> Integer ' + IntToStr(I));
  X := -2.5; I := X; WriteLn('-2.5 -> Integer ' + IntToStr(I));
  X := 300; B := X; WriteLn('300 -> Byte ' + IntToStr(B));
  X := '2.75'; D := X; WriteLn('''2.75'' -> Double ' + FloatToStr(D));
  X := 12; S := X; WriteLn('12 -> string ' + S);
  X := 1.5; S := X; WriteLn('1.5 -> string ' + S);
  X := True; S := X; WriteLn('True -> string ' + S);
  X := True; I := X; WriteLn('True -> Integer ' + IntToStr(I));
  X := 0; Bo := X; if Bo then WriteLn('0 -> True') else WriteLn('0 -> False');
  X := Unassigned; I := X; WriteLn('Unassigned -> Integer ' + IntToStr(I));
  X := Unassigned; S := X; WriteLn('Unassigned -> string [' + S + ']');
  Result := True;
end;
