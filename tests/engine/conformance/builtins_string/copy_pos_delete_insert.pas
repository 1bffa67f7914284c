{ Copy, Pos, Delete, Insert with string variables, including edge indexes. }
function Main(var V: Variant): Boolean;
var
  S, T, Sub: string;
begin
  S := 'abcdef';
  WriteLn('Copy(2,3)=' + Copy(S, 2, 3));
  WriteLn('Copy(5,10)=' + Copy(S, 5, 10));
  WriteLn('Copy(0,2)=' + Copy(S, 0, 2));
  WriteLn('Copy(7,1)=[' + Copy(S, 7, 1) + ']');
  WriteLn('Copy(3,0)=[' + Copy(S, 3, 0) + ']');
  WriteLn('Copy(3,-1)=[' + Copy(S, 3, -1) + ']');
  Sub := 'cd'; WriteLn('Pos(cd)=' + IntToStr(Pos(Sub, S)));
  Sub := 'x'; WriteLn('Pos(x)=' + IntToStr(Pos(Sub, S)));
  Sub := ''; WriteLn('Pos(empty)=' + IntToStr(Pos(Sub, S)));
  Sub := 'abcdefg'; WriteLn('Pos(longer)=' + IntToStr(Pos(Sub, S)));
  T := 'aXbXc'; Sub := 'X'; WriteLn('Pos first=' + IntToStr(Pos(Sub, T)));
  T := S; Delete(T, 2, 2); WriteLn('Delete(2,2)=' + T);
  T := S; Delete(T, 5, 100); WriteLn('Delete(5,100)=' + T);
  T := S; Delete(T, 0, 2); WriteLn('Delete(0,2)=' + T);
  T := S; Delete(T, 10, 2); WriteLn('Delete(10,2)=' + T);
  T := S; Insert('XY', T, 3); WriteLn('Insert at 3=' + T);
  T := S; Insert('XY', T, 1); WriteLn('Insert at 1=' + T);
  T := S; Insert('XY', T, 100); WriteLn('Insert at 100=' + T);
  T := S; Insert('XY', T, 0); WriteLn('Insert at 0=' + T);
  Result := True;
end;
