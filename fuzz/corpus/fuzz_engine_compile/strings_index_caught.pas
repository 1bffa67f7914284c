{ String index write errors inside try/except: the exception kind and param. }
function Main(var V: Variant): Boolean;
var
  S: string;
  I: Integer;
begin
  S := 'abc';
  for I := -1 to 5 do
  begin
    try
      S[I] := 'z';
      WriteLn(IntToStr(I) + ': ' + S);
    except
      WriteLn(IntToStr(I) + ': caught ' + IntToStr(Ord(ExceptionType)) + ' [' + ExceptionParam + ']');
    end;
  end;
  S := '';
  try
    S[1] := 'q';
  except
    WriteLn('empty: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  Result := True;
end;
