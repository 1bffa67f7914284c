{ A variant array element holding another variant array. }
function Main(var V: Variant): Boolean;
var
  Inner, Outer: TVariantArray;
  X, Y: Variant;
  I: Integer;
begin
  SetLength(Inner, 2); Inner[0] := 7; Inner[1] := 8;
  SetLength(Outer, 2); Outer[0] := 'head'; Outer[1] := Inner;
  X := Outer;
  Y := VarGetIndexed(X, 1);
  WriteLn('inner is array: ' + IntToStr(VarArraySize(Y)));
  I := VarGetIndexed(Y, 1); WriteLn('inner[1]=' + IntToStr(I));
  V := X;
  Result := True;
end;
