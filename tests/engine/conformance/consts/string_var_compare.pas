{ The same comparisons on variables (and constant vs variable) work. }
const
  S1 = 'abc';
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;

function Main(var V: Variant): Boolean;
var
  A, B: string;
begin
  A := S1; B := 'abd';
  WriteLn('A<B ' + BS(A < B) + ' A>B ' + BS(A > B) + ' A=B ' + BS(A = B) + ' A<>B ' + BS(A <> B));
  WriteLn('A<=S1 ' + BS(A <= S1) + ' A>=S1 ' + BS(A >= S1) + ' A=S1 ' + BS(A = S1));
  WriteLn('S1=A ' + BS(S1 = A));
  Result := True;
end;
