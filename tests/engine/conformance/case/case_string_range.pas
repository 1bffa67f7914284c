{ case on strings accepts ranges (compared as strings) and overlapping labels
  (the first matching branch wins); duplicate integer labels are accepted too. }
function Kind(const S: string): string;
begin
  case S of
    'a'..'c': Result := 'a-c';
    'b': Result := 'b (never reached)';
    'ca'..'cz': Result := 'ca-cz';
  else
    Result := 'else';
  end;
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  WriteLn(Kind('a') + ' ' + Kind('b') + ' ' + Kind('bzz') + ' ' + Kind('c') + ' ' + Kind('cat') + ' ' + Kind('d') + ' ' + Kind(''));
  I := 1;
  case I of
    1: WriteLn('first 1');
    1: WriteLn('second 1');
  end;
  Result := True;
end;
