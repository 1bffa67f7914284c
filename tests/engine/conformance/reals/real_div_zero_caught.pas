{ Real division by zero inside try/except: kind and param. }
function Main(var V: Variant): Boolean;
var
  A, B, C: Double;
begin
  A := 0; B := 0;
  try
    C := A / B;
    WriteLn('0/0=' + FloatToStr(C));
  except
    WriteLn('caught type=' + IntToStr(Ord(ExceptionType)) + ' param=' + ExceptionParam);
  end;
  Result := True;
end;
