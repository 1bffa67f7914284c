{ Calls with and without parentheses; a function called as a statement
  (result discarded). }
var
  N: Integer;
procedure P;
begin
  N := N + 1;
end;
function F: Integer;
begin
  N := N + 10;
  Result := N;
end;
function Main(var V: Variant): Boolean;
begin
  P; P(); F; F();
  WriteLn('N=' + IntToStr(N));
  Result := True;
end;
