{ Int64 comparisons and mixed Integer/Int64 comparisons. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  A, B: Int64;
  I: Integer;
begin
  A := 5000000000; B := -5000000000;
  WriteLn('A>B ' + BS(A > B) + ' A<B ' + BS(A < B) + ' A=A ' + BS(A = A) + ' A<>B ' + BS(A <> B));
  I := 1;
  WriteLn('A>I ' + BS(A > I) + ' I<A ' + BS(I < A) + ' B<I ' + BS(B < I) + ' I>B ' + BS(I > B));
  A := 4294967296 + 5; I := 5;
  WriteLn('A=I ' + BS(A = I) + ' I=A ' + BS(I = A));
  Result := True;
end;
