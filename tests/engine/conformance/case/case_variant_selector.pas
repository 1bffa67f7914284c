{ case on a Variant selector. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
begin
  X := 2;
  case X of
    1: WriteLn('one');
    2: WriteLn('two');
  else
    WriteLn('else');
  end;
  X := 'b';
  case X of
    'a': WriteLn('a');
    'b': WriteLn('b');
  end;
  Result := True;
end;
