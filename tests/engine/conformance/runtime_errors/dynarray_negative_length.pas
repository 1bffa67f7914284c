{ SetLength with a negative length. }
function Main(var V: Variant): Boolean;
var
  A: array of Integer;
  N: Integer;
begin
  N := -1;
  SetLength(A, N);
  WriteLn('len=' + IntToStr(Length(A)));
  Result := True;
end;
