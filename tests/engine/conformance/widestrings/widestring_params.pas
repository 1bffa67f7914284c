{ WideStrings as value/var parameters and function results; WideChar
  concatenation; comparison with a string literal. }
function Twice(const W: WideString): WideString;
begin
  Result := W + W;
end;
procedure Append(var W: WideString; C: WideChar);
begin
  W := W + C;
end;
function Main(var V: Variant): Boolean;
var
  W: WideString;
  S: string;
  C: WideChar;
begin
  W := 'ab';
  W := Twice(W);
  C := 'z';
  Append(W, C);
  S := W;
  WriteLn(S + ' len=' + IntToStr(Length(W)));
  if W = 'ababz' then WriteLn('equal to literal');
  W := C + C;
  S := W;
  WriteLn('widechar+widechar=' + S);
  Result := True;
end;
