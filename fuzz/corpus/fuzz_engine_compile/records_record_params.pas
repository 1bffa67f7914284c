{ Records passed by value, var, const, and returned from functions. }
type
  TPair = record
    A, B: Integer;
    S: string;
  end;
procedure ByVal(P: TPair);
begin
  P.A := 100; P.S := 'val';
end;
procedure ByVar(var P: TPair);
begin
  P.A := 200; P.S := 'var';
end;
function Sum(const P: TPair): Integer;
begin
  Result := P.A + P.B;
end;
function MakePair(A, B: Integer): TPair;
begin
  Result.A := A; Result.B := B; Result.S := 'made';
end;
function Main(var V: Variant): Boolean;
var
  P: TPair;
begin
  P := MakePair(1, 2);
  WriteLn(P.S + ' ' + IntToStr(Sum(P)));
  ByVal(P); WriteLn('after ByVal ' + IntToStr(P.A) + ' ' + P.S);
  ByVar(P); WriteLn('after ByVar ' + IntToStr(P.A) + ' ' + P.S);
  WriteLn('field of call result ' + IntToStr(MakePair(5, 6).B));
  Result := True;
end;
