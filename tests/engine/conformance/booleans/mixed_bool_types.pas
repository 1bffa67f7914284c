{ LongBool and ByteBool cannot be mixed in one operator. }
function Main(var V: Variant): Boolean;
var
  BB: ByteBool;
  LB: LongBool;
begin
  if LB and BB then WriteLn('x');
  Result := True;
end;
