{ Index past the end of a dynamic array: Out Of Range. }
function Main(var V: Variant): Boolean;
var
  A: array of Integer;
begin
  SetLength(A, 3);
  A[3] := 1;
  Result := True;
end;
