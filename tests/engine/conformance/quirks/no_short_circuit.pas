{ and/or always evaluate both operands. }
var
  Log: string;
function T(const Tag: string): Boolean;
begin
  Log := Log + Tag;
  Result := True;
end;
function F(const Tag: string): Boolean;
begin
  Log := Log + Tag;
  Result := False;
end;
function Main(var V: Variant): Boolean;
var
  B: Boolean;
begin
  Log := ''; B := F('a') and T('b'); WriteLn('F and T: ' + Log);
  Log := ''; B := T('a') or F('b'); WriteLn('T or F: ' + Log);
  Log := ''; if F('a') and F('b') and T('c') then WriteLn('x'); WriteLn('chain: ' + Log);
  Log := ''; while F('w') and T('x') do ; WriteLn('while: ' + Log);
  Log := ''; B := not (T('n') or T('m')); WriteLn('not or: ' + Log);
  Result := True;
end;
