{ More edges of Copy, Delete, Insert, Pos on strings. }
function Main(var V: Variant): Boolean;
var
  S, T, Sub: string;
begin
  S := 'abc';
  WriteLn('[' + Copy(S, 1, 2147483647) + '] [' + Copy(S, -5, 3) + '] [' + Copy(S, 4, 1) + ']');
  T := ''; Insert('x', T, 1); WriteLn('insert into empty=[' + T + ']');
  T := 'abc'; Insert('', T, 2); WriteLn('insert empty=[' + T + ']');
  T := 'abc'; Delete(T, 2, 0); WriteLn('delete 0=[' + T + ']');
  T := 'abc'; Delete(T, 2, -1); WriteLn('delete -1=[' + T + ']');
  T := 'abc'; Delete(T, 1, 3); WriteLn('delete all=[' + T + ']');
  Sub := 'aa'; T := 'baaa'; WriteLn('Pos(aa, baaa)=' + IntToStr(Pos(Sub, T)));
  Sub := 'A'; T := 'bab'; WriteLn('Pos case-sensitive=' + IntToStr(Pos(Sub, T)));
  Sub := 'abc'; T := 'abc'; WriteLn('Pos equal=' + IntToStr(Pos(Sub, T)));
  Sub := 'x'; T := ''; WriteLn('Pos in empty=' + IntToStr(Pos(Sub, T)));
  Result := True;
end;
