{ goto from a try part to a label after the try statement is an Invalid jump. }
function Main(var V: Variant): Boolean;
label
  Done;
var
  I: Integer;
begin
  I := 0;
  try
    I := 1;
    goto Done;
  finally
    WriteLn('finally');
  end;
Done:
  WriteLn(IntToStr(I));
  Result := True;
end;
