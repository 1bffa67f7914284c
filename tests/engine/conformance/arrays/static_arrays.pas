{ Static arrays: bounds, Low/High/Length, value semantics on assignment,
  negative lower bound. }
type
  TArr = array[1..5] of Integer;
  TNeg = array[-2..2] of string;
function Main(var V: Variant): Boolean;
var
  A, B: TArr;
  N: TNeg;
  I: Integer;
begin
  for I := 1 to 5 do A[I] := I * 10;
  B := A;
  B[1] := -1;
  WriteLn('A[1]=' + IntToStr(A[1]) + ' B[1]=' + IntToStr(B[1]));
  WriteLn('Low=' + IntToStr(Low(A)) + ' High=' + IntToStr(High(A)) + ' Length=' + IntToStr(Length(A)));
  for I := -2 to 2 do if I <> 0 then N[I] := 'n' + IntToStr(I);
  WriteLn('N[-2]=' + N[-2] + ' N[2]=' + N[2] + ' Low=' + IntToStr(Low(N)));
  WriteLn('uninitialised string element [' + N[0] + ']');
  Result := True;
end;
