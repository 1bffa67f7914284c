{ Variant holding a string + string literal concatenates. }
function Main(var V: Variant): Boolean;
var
  X, Y: Variant;
  S: string;
begin
  X := 'txt';
  S := X + '!';
  WriteLn(S);
  S := 'pre-' + X;
  WriteLn(S);
  Y := X + X;
  S := Y;
  WriteLn(S + ' type ' + IntToStr(VarType(Y)));
  X := 5;
  S := IntToStr(X) + '!';
  WriteLn(S);
  Result := True;
end;
