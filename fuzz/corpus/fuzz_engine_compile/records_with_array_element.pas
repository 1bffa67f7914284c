{ with on an array element of record type and on a nested record; writes go
  to the element itself. }
type
  TP = record
    X, Y: Integer;
  end;
function Main(var V: Variant): Boolean;
var
  A: array of TP;
  I: Integer;
begin
  SetLength(A, 3);
  for I := 0 to 2 do
    with A[I] do
    begin
      X := I;
      Y := I * I;
    end;
  WriteLn(IntToStr(A[2].X) + ',' + IntToStr(A[2].Y) + ' ' + IntToStr(A[1].X) + ',' + IntToStr(A[1].Y));
  Result := True;
end;
