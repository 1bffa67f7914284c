{ Casts of Variants that compile and fail when they run: text that is no
  number, and a Byte from a text longer than one character. }
function Main(var V: Variant): Boolean;
var X: Variant; I: Integer; B: Byte;
begin
  X := 'abc';
  try
    I := Integer(X);
  except
    WriteLn('Integer(''abc''): ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  X := '12';
  try
    B := Byte(X);
  except
    WriteLn('Byte(''12''): ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  X := Null;
  try
    I := Integer(X);
  except
    WriteLn('Integer(Null): ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  WriteLn(IntToStr(I + B));
  Result := True;
end;
