{ Integer division by zero caught: kind and param; execution continues. }
function Main(var V: Variant): Boolean;
var
  A, B, I: Integer;
begin
  A := 10; B := 0;
  for I := 1 to 2 do
    try
      if I = 1 then A := A div B else A := A mod B;
    except
      WriteLn(IntToStr(I) + ': ' + IntToStr(Ord(ExceptionType)) + ' [' + ExceptionParam + '] ' + ExceptionToString(ExceptionType, ExceptionParam));
    end;
  WriteLn('A=' + IntToStr(A));
  Result := True;
end;
