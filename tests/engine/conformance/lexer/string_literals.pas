{ String literal forms: doubled quotes, #decimal, #$hex, adjacency, empty. }
const
  C1 = 'it''s';
  C2 = #65#66#67;
  C3 = #$41#$62;
  C4 = 'a'#65'b'#$43'c';
  C5 = '';
  C6 = '''';
  C7 = 'x' + #9 + 'y';

function Main(var V: Variant): Boolean;
var
  S: string;
begin
  WriteLn(C1 + ' len=' + IntToStr(Length(C1)));
  WriteLn(C2 + ' len=' + IntToStr(Length(C2)));
  WriteLn(C3 + ' len=' + IntToStr(Length(C3)));
  WriteLn(C4 + ' len=' + IntToStr(Length(C4)));
  WriteLn('[' + C5 + '] len=' + IntToStr(Length(C5)));
  WriteLn(C6 + ' len=' + IntToStr(Length(C6)));
  WriteLn('tab code=' + IntToStr(Ord(C7[2])) + ' len=' + IntToStr(Length(C7)));
  S := 'one'#13#10'two';
  WriteLn('crlf len=' + IntToStr(Length(S)) + ' codes ' + IntToStr(Ord(S[4])) + ',' + IntToStr(Ord(S[5])));
  S := #0;
  WriteLn('nul len=' + IntToStr(Length(S)) + ' code=' + IntToStr(Ord(S[1])));
  S := 'a' + #0 + 'b';
  WriteLn('embedded nul len=' + IntToStr(Length(S)) + ' last=' + S[3]);
  S := #127#1;
  WriteLn('codes ' + IntToStr(Ord(S[1])) + ' ' + IntToStr(Ord(S[2])) + ' len=' + IntToStr(Length(S)));
  Result := True;
end;
