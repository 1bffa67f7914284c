{ A Variant holding a number becomes the character of that code when it is
  assigned to a Char or WideChar. }
function UnitChar(Code: Integer): WideChar;
var
  Holder: Variant;
begin
  Holder := Code;
  Result := Holder;
end;

function AnsiUnit(Code: Integer): Char;
var
  Holder: Variant;
begin
  Holder := Code;
  Result := Holder;
end;

function Main(var V: Variant): Boolean;
var
  W: WideString;
begin
  Result := True;
  W := UnitChar(65) + UnitChar(66);
  WriteLn(W);
  WriteLn(IntToStr(Ord(UnitChar($263A))));
  WriteLn(AnsiUnit(67) + AnsiUnit(68));
end;
