{ Conversion errors of Variants can be caught: type and param. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  I: Integer;
  D: Double;
begin
  X := Null;
  try
    I := X;
  except
    WriteLn('null->int: ' + IntToStr(Ord(ExceptionType)) + ' ' + ExceptionParam);
  end;
  X := 'zz';
  try
    D := X;
  except
    WriteLn('zz->double: ' + IntToStr(Ord(ExceptionType)) + ' ' + ExceptionParam);
  end;
  X := 'zz';
  try
    X := X + 1;
  except
    WriteLn('zz+1: ' + IntToStr(Ord(ExceptionType)) + ' ' + ExceptionParam);
  end;
  Result := True;
end;
