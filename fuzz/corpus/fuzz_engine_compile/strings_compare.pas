{ String comparison is ordinal and case-sensitive. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  A, B: string;
begin
  A := 'a'; B := 'B';
  WriteLn('a<B ' + BS(A < B) + ' a>B ' + BS(A > B));
  A := 'abc'; B := 'abcd';
  WriteLn('abc<abcd ' + BS(A < B) + ' abc=abcd ' + BS(A = B));
  A := ''; B := 'a';
  WriteLn('empty<a ' + BS(A < B));
  A := 'Zebra'; B := 'apple';
  WriteLn('Zebra<apple ' + BS(A < B));
  A := 'abc'; B := 'ABC';
  WriteLn('abc<>ABC ' + BS(A <> B) + ' abc>=ABC ' + BS(A >= B) + ' abc<=abc ' + BS(A <= A));
  A := 'a'#0'b'; B := 'a'#0'c';
  WriteLn('nul-embedded a<b ' + BS(A < B));
  A := 'x';
  WriteLn('string=char literal ' + BS(A = 'x'));
  Result := True;
end;
