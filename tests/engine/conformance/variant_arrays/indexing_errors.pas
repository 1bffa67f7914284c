{ V[I] out of bounds, or on a Variant that holds no array; V[I][J] on
  nested arrays. }
function VS(X: Variant): string; var S: string; begin S := X; Result := S; end;
procedure P(const Name: string; X: Variant; I: Integer; W: Boolean);
begin
  try
    if W then begin X[I] := 5; WriteLn(Name + ' written'); end
    else WriteLn(Name + ' = ' + VS(X[I]));
  except
    WriteLn(Name + ' : ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
end;
function Main(var V: Variant): Boolean;
var A: TVariantArray; X, N: Variant; Y: array of TVariantArray;
begin
  SetLength(A, 2); A[0] := 'ab'; A[1] := 2; X := A;
  P('X[2]', X, 2, False); P('X[-1]', X, -1, False); P('X[2] :=', X, 2, True);
  P('5[0]', 5, 0, False); P('''abc''[1]', 'abc', 1, False); P('Unassigned[0]', Unassigned, 0, False);
  P('5[0] :=', 5, 0, True);
  SetLength(Y, 1); SetLength(Y[0], 2); Y[0][1] := 'deep';
  N := Y; WriteLn('nested ' + VS(N[0][1]));
  Result := True;
end;
