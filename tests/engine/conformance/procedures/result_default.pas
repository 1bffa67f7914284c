{ A function that never sets Result returns 0 / '' / False; Result can be
  read and updated like a variable. }
function NoInt: Integer;
begin
end;
function NoStr: string;
begin
end;
function NoBool: Boolean;
begin
end;
function Accum(N: Integer): Integer;
var
  I: Integer;
begin
  for I := 1 to N do Result := Result + I;
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn('int=' + IntToStr(NoInt) + ' str=[' + NoStr + ']');
  if not NoBool then WriteLn('bool=False');
  WriteLn('accum=' + IntToStr(Accum(4)) + ' again=' + IntToStr(Accum(4)));
  Result := True;
end;
