{ Break inside try/finally and try/except leaves the loop (after running the
  finally part).  The reference engine treats such a Break like Continue: a
  deliberate difference, see README. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  S: string;
begin
  S := '';
  for I := 1 to 5 do
    try
      if I = 2 then Break;
      S := S + IntToStr(I);
    finally
      S := S + 'f';
    end;
  WriteLn('finally: ' + S + ' I=' + IntToStr(I));
  S := '';
  I := 0;
  while I < 5 do
  begin
    I := I + 1;
    try
      if I = 3 then Break;
      S := S + IntToStr(I);
    except
      S := S + 'e';
    end;
  end;
  WriteLn('except: ' + S + ' I=' + IntToStr(I));
  Result := True;
end;
