{ Dynamic arrays: SetLength growing and shrinking keeps contents, new slots
  are zero, Low/High/Length, empty arrays. }
function Main(var V: Variant): Boolean;
var
  A: array of Integer;
  S: array of string;
  I: Integer;
begin
  WriteLn('empty len=' + IntToStr(Length(A)) + ' high=' + IntToStr(High(A)) + ' low=' + IntToStr(Low(A)));
  SetLength(A, 3);
  for I := 0 to 2 do A[I] := I + 1;
  SetLength(A, 5);
  WriteLn('grown: ' + IntToStr(A[0]) + ' ' + IntToStr(A[2]) + ' ' + IntToStr(A[3]) + ' ' + IntToStr(A[4]));
  SetLength(A, 2);
  WriteLn('shrunk len=' + IntToStr(Length(A)) + ' last=' + IntToStr(A[1]));
  SetLength(A, 0);
  WriteLn('zero len=' + IntToStr(Length(A)));
  SetLength(S, 2); S[1] := 'x';
  WriteLn('strings [' + S[0] + '][' + S[1] + ']');
  Result := True;
end;
