{ Exit leaves a procedure or function early; Result keeps its value. }
var
  Log: string;
procedure P(N: Integer);
begin
  Log := Log + 'a';
  if N > 0 then Exit;
  Log := Log + 'b';
end;
function F(N: Integer): Integer;
begin
  Result := 1;
  if N > 0 then
  begin
    Result := 2;
    Exit;
  end;
  Result := 3;
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  P(1); P(0);
  WriteLn('log=' + Log + ' F(1)=' + IntToStr(F(1)) + ' F(0)=' + IntToStr(F(0)));
  for I := 1 to 10 do
    if I = 3 then
    begin
      WriteLn('exit from loop in Main at ' + IntToStr(I));
      Result := True;
      Exit;
    end;
  WriteLn('not reached');
end;
