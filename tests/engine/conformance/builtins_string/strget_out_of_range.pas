{ StrGet past the end, uncaught. }
function Main(var V: Variant): Boolean;
var
  S: string;
  C: Char;
begin
  S := 'abc';
  C := StrGet(S, 4);
  WriteLn('not reached ' + C);
  Result := True;
end;
