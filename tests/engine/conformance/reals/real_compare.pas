{ Comparisons between reals, and between reals and integers. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  A, B: Double;
  I: Integer;
  S: Single;
begin
  A := 0.1; B := 0.2;
  WriteLn('0.1+0.2=0.3 ' + BS(A + B = 0.3));
  WriteLn('0.1<0.2 ' + BS(A < B) + ' 0.1>=0.2 ' + BS(A >= B));
  I := 3; A := 3.0;
  WriteLn('D(3.0)=I(3) ' + BS(A = I));
  A := 2.5; I := 2;
  WriteLn('D(2.5)>I(2) ' + BS(A > I));
  S := 0.1; A := 0.1;
  WriteLn('Single 0.1 = Double 0.1 ' + BS(S = A));
  Result := True;
end;
