{ Comparing a string constant with another constant by = is fine? }
const
  S1 = 'abc';
  S2 = 'abc';
  I1 = 5;
  I2 = 7;
function Main(var V: Variant): Boolean;
begin
  if S1 = S2 then WriteLn('equal strings');
  if I1 < I2 then WriteLn('I1 < I2');
  Result := True;
end;
