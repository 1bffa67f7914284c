{ Casts of Variant values: T(V) compiles for every T and converts at run
  time; where the cast is the whole value being stored or passed, the
  Variant goes straight into the destination (Double := Integer(2.5) keeps
  2.5). Elements of a host array through VarGetIndexed, the usual use. }
function Main(var V: Variant): Boolean;
var
  A: TVariantArray; X: Variant; I: Integer; B: Byte; L: Int64; D: Double; S: string;
  W: WideString; C: Char; Bo: Boolean;
begin
  SetLength(A, 4); A[0] := 10; A[1] := 'abc'; A[2] := 300; A[3] := 2.5;
  X := A;
  I := Integer(VarGetIndexed(X, 0)); WriteLn('Integer(el 0) ' + IntToStr(I));
  WriteLn('Integer(el 0) * 2 ' + IntToStr(Integer(VarGetIndexed(X, 0)) * 2));
  B := Byte(VarGetIndexed(X, 2)); WriteLn('Byte(el 2) stored ' + IntToStr(B));
  WriteLn('Byte(el 2) passed ' + IntToStr(Byte(VarGetIndexed(X, 2))));
  WriteLn('Byte(el 2) + 1 ' + IntToStr(Byte(VarGetIndexed(X, 2)) + 1));
  WriteLn('string(el 1) ' + string(VarGetIndexed(X, 1)));
  WriteLn('Integer(A[0]) + 5 ' + IntToStr(Integer(A[0]) + 5));
  X := 2.5;
  I := Integer(X); WriteLn('I := Integer(2.5) ' + IntToStr(I));
  D := Integer(X); WriteLn('D := Integer(2.5) ' + FloatToStr(D));
  L := Int64(X); WriteLn('Int64(2.5) ' + IntToStr(L));
  S := string(X); WriteLn('string(2.5) ' + S);
  W := WideString(X); WriteLn('WideString(2.5) ' + W);
  D := Double(X); WriteLn('Double(2.5) ' + FloatToStr(D));
  X := '7';
  WriteLn('Integer(''7'') = 7 ' + IntToStr(Ord(Integer(X) = 7)));
  C := Char(X); WriteLn('Char(''7'') ' + C);
  X := 66;
  C := Char(X); WriteLn('Char(66) ' + C);
  X := 1;
  Bo := Boolean(X);
  if Bo then WriteLn('Boolean(1) True') else WriteLn('Boolean(1) False');
  X := 256;
  if Boolean(X) then WriteLn('Boolean(256) True') else WriteLn('Boolean(256) False');
  V := Integer(X);
  Result := True;
end;
