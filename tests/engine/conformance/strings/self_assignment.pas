{ Assigning a variable to itself keeps its value: strings, wide strings,
  Variants, dynamic arrays and records. }
type
  TRec = record
    Name: string;
    N: Integer;
  end;

function Main(var V: Variant): Boolean;
var
  S: string;
  W: WideString;
  X: Variant;
  A: array of string;
  R: TRec;
begin
  S := 'ab';
  S := S;
  W := 'wide';
  W := W;
  X := 'var';
  X := X;
  SetLength(A, 2);
  A[1] := 'second';
  A := A;
  A[0] := A[0];
  R.Name := 'rec';
  R.N := 7;
  R := R;
  WriteLn(S + '|' + W + '|' + X + '|' + A[1] + '|' + R.Name + IntToStr(R.N));
  V := S;
  V := V;
  Result := True;
end;
