{ Comparing Chars with strings and one-character strings with Chars. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  C: Char;
  S: string;
begin
  C := 'a'; S := 'a';
  WriteLn('C = S ' + BS(C = S) + ', S = C ' + BS(S = C));
  S := 'ab';
  WriteLn('C = ab ' + BS(C = S) + ', C < ab ' + BS(C < S));
  S := '';
  WriteLn('C > empty ' + BS(C > S));
  Result := True;
end;
