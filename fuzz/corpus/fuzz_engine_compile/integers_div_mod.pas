{ div and mod truncate toward zero for every sign combination. }
procedure Show(A, B: Integer);
begin
  WriteLn(IntToStr(A) + ' div ' + IntToStr(B) + ' = ' + IntToStr(A div B) + ', mod = ' + IntToStr(A mod B));
end;

function Main(var V: Variant): Boolean;
begin
  Show(7, 2); Show(-7, 2); Show(7, -2); Show(-7, -2);
  Show(6, 3); Show(-6, 3); Show(0, 5); Show(1, 5);
  Show(2147483647, 10); Show(-2147483647, 10);
  Show(5, 7); Show(-5, 7);
  Result := True;
end;
