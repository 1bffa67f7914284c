{ array of array of T (dynamic in both dimensions) and an array of a static array type. }
type
  TRow = array[0..2] of Integer;
function Main(var V: Variant): Boolean;
var
  M: array of array of Integer;
  R: array of TRow;
  I, J, Sum: Integer;
begin
  SetLength(M, 3);
  for I := 0 to 2 do
  begin
    SetLength(M[I], I + 1);
    for J := 0 to I do M[I][J] := I * 10 + J;
  end;
  Sum := 0;
  for I := 0 to High(M) do
    for J := 0 to High(M[I]) do
      Sum := Sum + M[I][J];
  WriteLn('jagged sum=' + IntToStr(Sum) + ' len2=' + IntToStr(Length(M[2])));
  SetLength(R, 2);
  R[1][2] := 5;
  WriteLn('R[1][2]=' + IntToStr(R[1][2]) + ' R[0][0]=' + IntToStr(R[0][0]));
  Result := True;
end;
