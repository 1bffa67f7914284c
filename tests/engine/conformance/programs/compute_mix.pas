{ A compute mix (recursion, sieve, string building, histogram, records,
  caught exceptions) with a fixed checksum. }
type
  TItem = record
    Key, Weight: Integer;
  end;

function Fib(N: Integer): Integer;
begin
  if N < 2 then Result := N else Result := Fib(N - 1) + Fib(N - 2);
end;

function Sieve(Limit: Integer): Integer;
var
  Composite: array of Boolean;
  I, J: Integer;
begin
  SetLength(Composite, Limit + 1);
  Result := 0;
  for I := 2 to Limit do
    if not Composite[I] then
    begin
      Result := Result + 1;
      J := I * I;
      while J <= Limit do
      begin
        Composite[J] := True;
        J := J + I;
      end;
    end;
end;

function Build(Count: Integer): string;
var
  I: Integer;
begin
  Result := '';
  for I := 1 to Count do
    case I mod 4 of
      0: Result := Result + IntToStr(I);
      1: Result := Result + '-';
      2: Result := Result + IntToHexStr(I and 255);
    else
      Result := Result + 'x';
    end;
end;

function Histogram(const S: string): Integer;
var
  Counts: array[0..15] of Integer;
  I: Integer;
begin
  for I := 1 to Length(S) do
    Counts[Ord(S[I]) and 15] := Counts[Ord(S[I]) and 15] + 1;
  Result := 0;
  for I := 0 to 15 do
    Result := Result * 31 + Counts[I];
  Result := Result and $7FFFFFFF;
end;

function SafeDiv(Count: Integer): Integer;
var
  I, D: Integer;
begin
  Result := 0;
  for I := 0 to Count - 1 do
  begin
    D := I mod 5;
    try
      Result := Result + 1000 div D;
    except
      Result := Result + 1;
    end;
  end;
end;

function Main(var V: Variant): Boolean;
var
  S: string;
  C: Integer;
begin
  C := Fib(15);
  WriteLn('fib ' + IntToStr(C));
  C := Sieve(5000); WriteLn('primes ' + IntToStr(C));
  S := Build(500);
  WriteLn('built ' + IntToStr(Length(S)) + ' hist ' + IntToStr(Histogram(S)));
  WriteLn('safediv ' + IntToStr(SafeDiv(50)));
  V := Fib(15) + Sieve(5000) + Length(S) + Histogram(S) mod 1000 + SafeDiv(50);
  Result := True;
end;
