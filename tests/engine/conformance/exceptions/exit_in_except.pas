{ Exit inside an except handler and inside a finally part's try. }
var
  Log: string;
function F: Integer;
begin
  Result := 1;
  try
    RaiseException(erCustomError, 'x');
  except
    Result := 2;
    Exit;
  end;
  Result := 3;
end;
function G: Integer;
begin
  Result := 10;
  try
    try
      Exit;
    finally
      Log := Log + 'inner-finally ';
    end;
  finally
    Log := Log + 'outer-finally';
  end;
  Result := 20;
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn('F=' + IntToStr(F));
  WriteLn('G=' + IntToStr(G) + ' ' + Log);
  Result := True;
end;
