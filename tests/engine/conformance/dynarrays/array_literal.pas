{ a := [1, 2, 3] fills a dynamic array. }
function Main(var V: Variant): Boolean;
var
  A: array of Integer;
  S: array of string;
  I: Integer;
  T: string;
begin
  A := [4, 5, 6];
  WriteLn('len=' + IntToStr(Length(A)) + ' ' + IntToStr(A[0]) + IntToStr(A[1]) + IntToStr(A[2]));
  S := ['x', 'yy', 'zzz'];
  T := '';
  for I := 0 to High(S) do T := T + S[I] + ',';
  WriteLn(T);
  Result := True;
end;
