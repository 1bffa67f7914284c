{ Copying a Variant holding an array: the copy is independent. Back into a
  TVariantArray. }
function Main(var V: Variant): Boolean;
var
  A, B: TVariantArray;
  X, Y: Variant;
  I: Integer;
begin
  SetLength(A, 2);
  A[0] := 1; A[1] := 2;
  X := A;
  Y := X;
  VarSetIndexed(Y, 0, 100);
  I := VarGetIndexed(X, 0); WriteLn('X[0]=' + IntToStr(I));
  I := VarGetIndexed(Y, 0); WriteLn('Y[0]=' + IntToStr(I));
  B := Y;
  WriteLn('back to array len=' + IntToStr(Length(B)));
  I := B[0]; WriteLn('B[0]=' + IntToStr(I));
  Result := True;
end;
