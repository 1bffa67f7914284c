{ Now, Date and Time agree with each other (checked without printing the clock). }
function Main(var V: Variant): Boolean;
var
  N, D, T: TDateTime;
begin
  D := Date;
  N := Now;
  T := Time;
  if (N >= D) and (N < D + 1) then WriteLn('Now is within Date');
  if Int(D) = D then WriteLn('Date has no time part');
  if (T >= 0) and (T < 1) then WriteLn('Time is a day fraction');
  if D > EncodeDate(2000, 1, 1) then WriteLn('after 2000');
  Result := True;
end;
