{ A script routine of a built-in's name, declared before any call: calls reach the script's. }
function UpperCase(S: string): string;
begin
  Result := 'mine:' + S;
end;

function Main(var V: Variant): Boolean;
begin
  WriteLn(UpperCase('a'));
  WriteLn(LowerCase('B'));
  Result := True;
end;
