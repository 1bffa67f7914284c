{ PChar holds a string; Assigned on strings means not empty. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  P: PChar;
  S: string;
begin
  S := 'text';
  P := S;
  S := P;
  WriteLn('round trip: ' + S);
  WriteLn('Assigned(S) ' + BS(Assigned(S)));
  S := '';
  WriteLn('Assigned(empty) ' + BS(Assigned(S)));
  Result := True;
end;
