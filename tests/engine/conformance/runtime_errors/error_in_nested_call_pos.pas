{ A run-time error deep in a call chain, inside a loop. }
function Pick(const A: array of Integer; I: Integer): Integer;
begin
  Result := A[I];
end;
function Main(var V: Variant): Boolean;
var
  A: array of Integer;
  I, S: Integer;
begin
  A := [1, 2, 3];
  S := 0;
  for I := 0 to 5 do
    S := S + Pick(A, I);
  Result := S > 0;
end;
