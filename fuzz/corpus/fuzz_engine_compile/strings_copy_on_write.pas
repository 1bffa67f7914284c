{ String values are independent after assignment: changes through a var
  parameter, an array element or a record field never leak into copies. }
type
  TR = record
    S: string;
  end;
procedure Change(var S: string);
begin
  S[1] := 'X';
  S := S + '!';
end;
function Main(var V: Variant): Boolean;
var
  A, B: string;
  Arr: array of string;
  R1, R2: TR;
begin
  A := 'abc'; B := A;
  Change(B);
  WriteLn('A=' + A + ' B=' + B);
  SetLength(Arr, 2);
  Arr[0] := A; Arr[1] := Arr[0];
  Arr[1][2] := 'Y';
  WriteLn('Arr[0]=' + Arr[0] + ' Arr[1]=' + Arr[1] + ' A=' + A);
  R1.S := A; R2 := R1;
  R2.S[3] := 'Z';
  WriteLn('R1.S=' + R1.S + ' R2.S=' + R2.S);
  Change(Arr[0]);
  WriteLn('Arr[0] after Change=' + Arr[0] + ' A=' + A);
  Result := True;
end;
