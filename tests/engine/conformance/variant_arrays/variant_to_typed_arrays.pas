{ A Variant holding a variant array assigns to dynamic arrays of Variant,
  Integer and string, converting each element; an element that does not
  convert is a run-time Type Mismatch (which the reference does not let a
  try/except catch, so the case leaves it uncaught). }
function Main(var V: Variant): Boolean;
var
  A: TVariantArray;
  X: Variant;
  N: array of Integer;
  S: array of string;
begin
  SetLength(A, 3);
  A[0] := '12'; A[1] := 3.5; A[2] := True;
  X := A;
  N := X;
  WriteLn('integers ' + IntToStr(N[0]) + ' ' + IntToStr(N[1]) + ' ' + IntToStr(N[2]));
  S := X;
  WriteLn('strings ' + S[0] + ' ' + S[1] + ' ' + S[2]);
  A := X;
  WriteLn('variants ' + IntToStr(Length(A)) + ' type ' + IntToStr(VarType(A[0])));
  A[0] := 'abc'; X := A;
  N := X;
  WriteLn('not reached');
  Result := True;
end;
