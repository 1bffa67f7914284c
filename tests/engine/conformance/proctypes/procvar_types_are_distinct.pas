{ Two procedural types with one signature are distinct: a value of one does
  not assign to the other (an @Routine fits both). }
type
  TA = function(A: Integer): Integer;
  TB = function(B: Integer): Integer;
function G(A: Integer): Integer;
begin
  Result := A;
end;
function Main(var V: Variant): Boolean;
var
  A: TA;
  B: TB;
begin
  A := @G;
  B := @G;
  B := A;
  Result := True;
end;
