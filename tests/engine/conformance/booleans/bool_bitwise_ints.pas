{ and/or/xor/not are bitwise on integers and logical on booleans in the same expression. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  I := 6;
  WriteLn('(I and 2) <> 0: ' + BS((I and 2) <> 0));
  WriteLn('(I and 1) = 0: ' + BS((I and 1) = 0));
  WriteLn('((I and 1) = 0) and ((I or 1) = 7): ' + BS(((I and 1) = 0) and ((I or 1) = 7)));
  Result := True;
end;
