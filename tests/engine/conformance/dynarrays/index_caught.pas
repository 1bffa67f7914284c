{ Dynamic array range errors caught: kind and (empty) param. }
function Main(var V: Variant): Boolean;
var
  A: array of Integer;
  I, X: Integer;
begin
  SetLength(A, 2);
  for I := -1 to 2 do
  begin
    try
      X := A[I];
      WriteLn(IntToStr(I) + ' ok ' + IntToStr(X));
    except
      WriteLn(IntToStr(I) + ' caught ' + IntToStr(Ord(ExceptionType)) + ' [' + ExceptionParam + '] ' + ExceptionToString(ExceptionType, ExceptionParam));
    end;
  end;
  Result := True;
end;
