{ with over two records; the later one wins on a shared field name; a later
  item cannot name a field of an earlier one. }
type
  TA = record
    X, OnlyA: Integer;
  end;
  TB = record
    X, OnlyB: Integer;
  end;
function Main(var V: Variant): Boolean;
var
  A: TA;
  B: TB;
begin
  A.X := 1; B.X := 2;
  with A, B do
  begin
    OnlyA := 10;
    OnlyB := 20;
    WriteLn('X=' + IntToStr(X));
    X := 5;
  end;
  WriteLn('A.X=' + IntToStr(A.X) + ' B.X=' + IntToStr(B.X) + ' A.OnlyA=' + IntToStr(A.OnlyA) + ' B.OnlyB=' + IntToStr(B.OnlyB));
  Result := True;
end;
