{ Uninitialised variables are not an error: every variable starts at 0, '', nil or Unassigned, on every call. }
type
  TR = record
    N: Integer;
    S: string;
  end;
function Probe(Tag: Integer): string;
var
  I: Integer;
  S: string;
  D: Double;
  X: Variant;
  R: TR;
  A: array of Integer;
  B: Boolean;
begin
  Result := IntToStr(I) + '[' + S + ']' + FloatToStr(D) + ' ' + IntToStr(VarType(X)) + ' ' + IntToStr(R.N) + '[' + R.S + '] ' + IntToStr(Length(A));
  if B then Result := Result + ' T' else Result := Result + ' F';
  I := 99; S := 'dirty'; D := 9.5; X := 1; R.N := 5; R.S := 'x'; SetLength(A, 3); B := True;
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn(Probe(1));
  WriteLn(Probe(2));
  Result := True;
end;
