{ ByteBool, WordBool, LongBool accept True/False and work in conditions. }
function Main(var V: Variant): Boolean;
var
  BB: ByteBool;
  WB: WordBool;
  LB: LongBool;
begin
  BB := True; WB := False; LB := True;
  if BB then WriteLn('BB true');
  if not WB then WriteLn('WB false');
  if LB and LB then WriteLn('LB and LB');
  BB := WB; if not BB then WriteLn('BB := WB copies false');
  WriteLn('sizes ' + IntToStr(SizeOf(BB)) + ' ' + IntToStr(SizeOf(WB)) + ' ' + IntToStr(SizeOf(LB)));
  Result := True;
end;
