{ String indexing (1-based, assignable), concatenation, Length, SetLength. }
function Main(var V: Variant): Boolean;
var
  S, T: string;
  C: Char;
begin
  S := 'hello';
  WriteLn('S[1]=' + S[1] + ' S[5]=' + S[5] + ' len=' + IntToStr(Length(S)));
  S[1] := 'J'; WriteLn('after S[1] := J: ' + S);
  T := S; T[2] := 'E'; WriteLn('copy on write: S=' + S + ' T=' + T);
  C := 'x'; S := C + C; WriteLn('char+char=' + S + ' len=' + IntToStr(Length(S)));
  S := 'ab'; S := S + 'c' + S; WriteLn('concat=' + S);
  SetLength(S, 2); WriteLn('SetLength 2: ' + S);
  SetLength(S, 4); WriteLn('SetLength 4 len=' + IntToStr(Length(S)));
  S := ''; WriteLn('empty len=' + IntToStr(Length(S)));
  S := 'abc'; WriteLn('Low=' + IntToStr(Low(S)) + ' High=' + IntToStr(High(S)));
  Result := True;
end;
