{ Dynamic arrays are reference types: assignment shares the storage. }
function Main(var V: Variant): Boolean;
var
  A, B: array of Integer;
begin
  SetLength(A, 2);
  A[0] := 1;
  B := A;
  B[0] := 2;
  WriteLn('A[0]=' + IntToStr(A[0]));
  SetLength(B, 3);
  B[0] := 3;
  WriteLn('after SetLength on B: A[0]=' + IntToStr(A[0]) + ' B[0]=' + IntToStr(B[0]));
  Result := True;
end;
