{ Int and Trunc on large and negative values, Int keeps the sign of zero,
  and Round/Trunc/Int on values just beside integers. }
procedure T(D: Double);
begin
  WriteLn(FloatToStr(D) + ' Int=' + FloatToStr(Int(D)) + ' Trunc=' + IntToStr(Trunc(D)) + ' Round=' + IntToStr(Round(D)));
end;
function Main(var V: Variant): Boolean;
begin
  T(1.9999999); T(-1.9999999); T(-0.4); T(123456.75); T(-123456.25); T(2147483647.4); T(-2147483648.4);
  Result := True;
end;
