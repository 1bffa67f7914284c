{ Identifiers with underscores and digits; names of non-keyword built-ins used
  as fields; words that are not reserved here (raise, on, default, overload). }
type
  TRec = record
    _x: Integer;
    a1_b2: Integer;
    Length: Integer;
  end;
var
  raise, on, default, overload: Integer;
  _: Integer;

function Main(var V: Variant): Boolean;
var
  R: TRec;
begin
  R._x := 1; R.a1_b2 := 2; R.Length := 3;
  raise := 10; on := 20; default := 30; overload := 40; _ := 5;
  WriteLn(IntToStr(R._x + R.a1_b2 + R.Length));
  WriteLn(IntToStr(raise + on + default + overload + _));
  Result := True;
end;
