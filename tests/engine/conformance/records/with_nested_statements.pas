{ Nested with statements do see the outer record's fields; a list with two
  records opens both. }
type
  TIn = record
    N: Integer;
  end;
  TOut = record
    R: TIn;
    M: Integer;
  end;
function Main(var V: Variant): Boolean;
var
  Q, P: TOut;
begin
  with Q do
    with R do
      N := 5;
  with Q, P do
  begin
    M := 3;
    R.N := R.N + 1;
  end;
  WriteLn(IntToStr(Q.R.N) + ' ' + IntToStr(Q.M) + ' ' + IntToStr(P.M) + ' ' + IntToStr(P.R.N));
  Result := True;
end;
