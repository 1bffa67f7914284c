{ The same variable passed twice by var: both names alias it. Array element
  and record field as var arguments. }
type
  TR = record
    N: Integer;
  end;
procedure Twice(var A, B: Integer);
begin
  A := A + 1;
  B := B * 10;
end;
procedure Bump(var X: Integer);
begin
  X := X + 5;
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
  Arr: array of Integer;
  R: TR;
  S: array[0..1] of Integer;
begin
  I := 1;
  Twice(I, I);
  WriteLn('aliased: ' + IntToStr(I));
  SetLength(Arr, 2);
  Bump(Arr[1]);
  WriteLn('array element: ' + IntToStr(Arr[1]));
  Bump(R.N);
  WriteLn('record field: ' + IntToStr(R.N));
  Bump(S[0]);
  WriteLn('static element: ' + IntToStr(S[0]));
  Result := True;
end;
