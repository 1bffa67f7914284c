{ Static array index outside the bounds is a run-time Out Of Range. }
function Main(var V: Variant): Boolean;
var
  A: array[1..3] of Integer;
  I: Integer;
begin
  I := 0;
  A[I] := 5;
  Result := True;
end;
