{ Ord(c) assigned to a Variant (or passed as a Variant argument) keeps the
  Char: the Variant holds a string.  An arithmetic use gives a number. }
procedure Show(const Tag: string; X: Variant);
var
  S: string;
begin
  S := X;
  WriteLn(Tag + ': type ' + IntToStr(VarType(X)) + ' text ' + S);
end;
function Main(var V: Variant): Boolean;
var
  C: Char;
  X: Variant;
  I: Integer;
  S: string;
begin
  C := 'O';
  X := Ord(C); Show('X := Ord(C)', X);
  Show('param Ord(C)', Ord(C));
  I := Ord(C); Show('via Integer', I);
  S := 'AB';
  Show('param Ord(S[1])', Ord(S[1]));
  Show('param Ord(S[1]) + 0', Ord(S[1]) + 0);
  I := 300;
  X := Byte(I); Show('X := Byte(I)', X);
  Result := True;
end;
