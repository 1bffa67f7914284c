{ Pos is both a built-in and a host function: a script routine named Pos is a
  Duplicate identifier. }
function Pos(A, B: string): Integer;
begin
  Result := 0;
end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
