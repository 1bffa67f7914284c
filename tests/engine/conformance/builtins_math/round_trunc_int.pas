{ Round (to even), Trunc and Int on positive and negative halves. }
procedure Show(D: Double);
begin
  WriteLn(FloatToStr(D) + ': Round=' + IntToStr(Round(D)) + ' Trunc=' + IntToStr(Trunc(D)) + ' Int=' + FloatToStr(Int(D)));
end;
function Main(var V: Variant): Boolean;
begin
  Show(0.5); Show(1.5); Show(2.5); Show(3.5); Show(-0.5); Show(-1.5); Show(-2.5);
  Show(2.4999); Show(2.5001); Show(-2.7); Show(1e10 + 0.5); Show(0);
  Result := True;
end;
