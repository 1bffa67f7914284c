{ Engine built-ins (not the host's Pos/Copy/Delete) with Char arguments:
  the AnyString result has the argument's type. }
function Main(var V: Variant): Boolean;
var
  C: Char;
  S: string;
begin
  C := 'a';
  S := UpperCase(C); WriteLn('UpperCase(char)=' + S);
  S := Trim(C); WriteLn('Trim(char)=' + S);
  S := LowerCase('Q'); WriteLn('LowerCase(literal)=' + S);
  WriteLn('Length(char)=' + IntToStr(Length(C)));
  Result := True;
end;
