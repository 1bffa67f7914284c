{ A script routine may reuse the name of a built-in it has not called yet
  (it then shadows it), and the name of a non-clashing host function. }
function IntToStr(I: Integer): string;
begin
  Result := 'mine';
end;
function VarIsArray(X: Integer): Integer;
begin
  Result := X * 2;
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn(IntToStr(5) + ' ' + Int64ToStr(VarIsArray(21)));
  Result := True;
end;
