{ A procedural value compares with nil or a value of its own type, not with an @Routine. }
type
  TA = function(A: Integer): Integer;
function G(A: Integer): Integer;
begin
  Result := A;
end;
function Main(var V: Variant): Boolean;
var
  A: TA;
begin
  A := @G;
  Result := A = @G;
end;
