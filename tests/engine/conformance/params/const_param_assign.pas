{ A const parameter may be assigned inside the routine (no compile error);
  the caller's variable keeps its value. }
function P(const X: Integer; const S: string): string;
begin
  X := X + 1;
  S := S + '!';
  Result := IntToStr(X) + S;
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
  T: string;
begin
  I := 5; T := 'a';
  WriteLn(P(I, T) + ' caller: ' + IntToStr(I) + T);
  Result := True;
end;
