{ Variant comparisons across types. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  A, B: Variant;
begin
  A := 5; B := '5'; WriteLn('5 = ''5'' ' + BS(A = B));
  A := 5; B := 5.0; WriteLn('5 = 5.0 ' + BS(A = B));
  A := 'abc'; B := 'abd'; WriteLn('abc < abd ' + BS(A < B));
  A := 10; B := '9'; WriteLn('10 > ''9'' ' + BS(A > B));
  A := '10'; B := '9'; WriteLn('''10'' > ''9'' ' + BS(A > B));
  A := True; B := 1; WriteLn('True = 1 ' + BS(A = B));
  A := Unassigned; B := 0; WriteLn('Unassigned = 0 ' + BS(A = B));
  A := Unassigned; B := ''; WriteLn('Unassigned = '''' ' + BS(A = B));
  Result := True;
end;
