{ A relational operator in a constant declaration works for integers. }
const
  A = 10;
  BX = A > 5;
  BY = A < 5;
  BZ = A = 10;
function Main(var V: Variant): Boolean;
begin
  if BX then WriteLn('BX true') else WriteLn('BX false');
  if BY then WriteLn('BY true') else WriteLn('BY false');
  if BZ then WriteLn('BZ true') else WriteLn('BZ false');
  Result := True;
end;
