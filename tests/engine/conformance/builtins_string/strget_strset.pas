{ StrGet and StrSet with range checks. }
function Main(var V: Variant): Boolean;
var
  S: string;
  C: Char;
begin
  S := 'abc';
  C := StrGet(S, 2); WriteLn('StrGet 2=' + C);
  StrSet('Z', 1, S); WriteLn('StrSet 1=' + S);
  StrSet('Q', 3, S); WriteLn('StrSet 3=' + S);
  try
    StrSet('!', 4, S);
  except
    WriteLn('StrSet 4: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  WriteLn('still ' + S);
  Result := True;
end;
