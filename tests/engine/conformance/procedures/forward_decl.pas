{ forward declarations allow mutual recursion. }
function IsEven(N: Integer): Boolean; forward;
function IsOdd(N: Integer): Boolean;
begin
  if N = 0 then Result := False else Result := IsEven(N - 1);
end;
function IsEven(N: Integer): Boolean;
begin
  if N = 0 then Result := True else Result := IsOdd(N - 1);
end;
function Main(var V: Variant): Boolean;
begin
  if IsEven(10) then WriteLn('10 even');
  if IsOdd(7) then WriteLn('7 odd');
  if not IsEven(3) then WriteLn('3 not even');
  Result := True;
end;
