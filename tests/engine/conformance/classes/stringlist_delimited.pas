{ DelimitedText, Delimiter, QuoteChar, CommaText quoting,
  Names/Values/ValueFromIndex and NameValueSeparator. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
begin
  L := TStringList.Create;
  L.Add('a b');
  L.Add('');
  L.Add('x"y');
  L.Add('p,q');
  WriteLn('comma=' + L.CommaText);
  L.Delimiter := ';';
  WriteLn('delimited=' + L.DelimitedText);
  L.DelimitedText := ' a;b c;"d;e" ;;f';
  WriteLn('count=' + IntToStr(L.Count) + ' comma=' + L.CommaText);
  L.QuoteChar := '''';
  L.Delimiter := '|';
  WriteLn('quote='  + L.DelimitedText);
  L.Clear;
  L.Add('');
  WriteLn('one empty=[' + L.CommaText + ']');
  L.Text := 'a=1'#10'b'#10'C=3=4';
  WriteLn('names=' + L.Names[0] + '|' + L.Names[1] + '|' + L.Names[2]);
  WriteLn('values=' + L.Values['c'] + '|' + L.ValueFromIndex[2] + '|' + L.ValueFromIndex[1] + '|' + IntToStr(L.IndexOfName('C')));
  L.Values['b'] := 'x';
  L.Values['a'] := '';
  L.Values['new'] := 'n';
  WriteLn('after set=' + L.CommaText);
  L.NameValueSeparator := ':';
  L.Add('k:v');
  WriteLn('colon=' + L.Values['k'] + ' ' + L.Names[0]);
  L.Free;
  Result := True;
end;
