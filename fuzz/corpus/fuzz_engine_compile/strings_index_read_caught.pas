{ A string index READ out of range inside try/except must be caught like any
  other run-time error.  (The reference engine instead ends the call with an
  uncaught "Could not call proc": a deliberate difference, see README.) }
function Main(var V: Variant): Boolean;
var
  S: string;
  C: Char;
  I: Integer;
begin
  S := 'abc';
  I := 4;
  try
    C := S[I];
    WriteLn('not reached ' + C);
  except
    WriteLn('caught ' + IntToStr(Ord(ExceptionType)) + ' [' + ExceptionParam + ']');
  end;
  try
    C := StrGet(S, 0);
    WriteLn('not reached ' + C);
  except
    WriteLn('caught ' + IntToStr(Ord(ExceptionType)) + ' [' + ExceptionParam + ']');
  end;
  Result := True;
end;
