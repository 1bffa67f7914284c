{ if/then/else chains, dangling else binding to the nearest if, empty statements. }
function Classify(I: Integer): string;
begin
  if I < 0 then
    Result := 'neg'
  else if I = 0 then
    Result := 'zero'
  else if I < 10 then
    Result := 'small'
  else
    Result := 'big';
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
  S: string;
begin
  WriteLn(Classify(-5) + ' ' + Classify(0) + ' ' + Classify(7) + ' ' + Classify(100));
  I := 5; S := 'none';
  if I > 0 then
    if I > 10 then S := 'inner then'
    else S := 'inner else';
  WriteLn('dangling: ' + S);
  if I > 0 then ; 
  if I < 0 then else WriteLn('empty then branch');
  begin end;
  ;;
  WriteLn('done');
  Result := True;
end;
