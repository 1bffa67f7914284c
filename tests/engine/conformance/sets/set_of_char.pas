{ set of Char: membership of letters and digits. }
type
  TChars = set of Char;
function Main(var V: Variant): Boolean;
var
  Vowels, Digits: TChars;
  S, Res: string;
  I: Integer;
begin
  Vowels := ['a', 'e', 'i', 'o', 'u'];
  Digits := ['0', '1', '2', '3', '4', '5', '6', '7', '8', '9'];
  S := 'channel 42 edit';
  Res := '';
  for I := 1 to Length(S) do
    if S[I] in Vowels then Res := Res + 'V'
    else if S[I] in Digits then Res := Res + 'D'
    else Res := Res + '.';
  WriteLn(Res);
  Vowels := Vowels + ['y'];
  if 'y' in Vowels then WriteLn('y added');
  Vowels := Vowels - ['a', 'y'];
  if not ('a' in Vowels) then WriteLn('a removed');
  Result := True;
end;
