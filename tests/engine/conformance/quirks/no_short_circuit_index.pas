{ (J >= 0) and (A[J] > X) indexes A[-1] because both sides run. }
function Main(var V: Variant): Boolean;
var
  A: array of Integer;
  J: Integer;
begin
  A := [1, 2, 3];
  J := -1;
  if (J >= 0) and (A[J] > 0) then WriteLn('never');
  WriteLn('not reached');
  Result := True;
end;
