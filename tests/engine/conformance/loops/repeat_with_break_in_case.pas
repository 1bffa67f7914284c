{ Break and Continue inside a case inside loops. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  S: string;
begin
  I := 0; S := '';
  repeat
    I := I + 1;
    case I mod 4 of
      0: Continue;
      3: if I > 6 then Break;
    end;
    S := S + IntToStr(I);
  until I >= 20;
  WriteLn(S + ' I=' + IntToStr(I));
  Result := True;
end;
