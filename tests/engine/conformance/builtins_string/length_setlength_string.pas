{ SetLength on strings: truncation keeps the prefix, growth keeps the old text. }
function Main(var V: Variant): Boolean;
var
  S, T: string;
begin
  S := 'abcdef';
  T := S;
  SetLength(S, 3);
  WriteLn(S + ' ' + T);
  SetLength(S, 5);
  WriteLn('len=' + IntToStr(Length(S)) + ' prefix=' + Copy(S, 1, 3));
  SetLength(S, 0);
  WriteLn('[' + S + ']');
  Result := True;
end;
