{ Recursion of modest depth: factorial, Fibonacci, Ackermann(2, n), string
  reversal. Depth stays small. }
function Fact(N: Integer): Int64;
begin
  if N <= 1 then Result := 1 else Result := N * Fact(N - 1);
end;
function Fib(N: Integer): Integer;
begin
  if N < 2 then Result := N else Result := Fib(N - 1) + Fib(N - 2);
end;
function Ack(M, N: Integer): Integer;
begin
  if M = 0 then Result := N + 1
  else if N = 0 then Result := Ack(M - 1, 1)
  else Result := Ack(M - 1, Ack(M, N - 1));
end;
function Rev(const S: string): string;
begin
  if Length(S) <= 1 then Result := S
  else Result := Rev(Copy(S, 2, Length(S) - 1)) + S[1];
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn('Fact(20)=' + IntToStr(Fact(20)));
  WriteLn('Fib(20)=' + IntToStr(Fib(20)));
  WriteLn('Ack(2,3)=' + IntToStr(Ack(2, 3)));
  WriteLn('Rev=' + Rev('abcdef'));
  Result := True;
end;
