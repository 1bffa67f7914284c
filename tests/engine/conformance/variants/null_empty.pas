{ Null and Unassigned: VarIsNull, VarIsEmpty, and operations with Null. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  X, Y: Variant;
begin
  WriteLn('fresh: empty ' + BS(VarIsEmpty(X)) + ' null ' + BS(VarIsNull(X)));
  X := Null;
  WriteLn('Null: empty ' + BS(VarIsEmpty(X)) + ' null ' + BS(VarIsNull(X)));
  X := 0;
  WriteLn('0: empty ' + BS(VarIsEmpty(X)) + ' null ' + BS(VarIsNull(X)));
  X := Unassigned;
  WriteLn('Unassigned: empty ' + BS(VarIsEmpty(X)));
  X := Null; Y := X + 1;
  WriteLn('Null + 1: null ' + BS(VarIsNull(Y)));
  X := Null;
  WriteLn('Null = Null ' + BS(X = Null));
  V := Null;
  Result := True;
end;
