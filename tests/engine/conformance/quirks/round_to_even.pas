{ Round uses banker's rounding: halves go to the even neighbour. }
function Main(var V: Variant): Boolean;
var
  D: Double;
  I: Integer;
  S: string;
begin
  S := '';
  for I := -6 to 6 do
  begin
    D := I + 0.5;
    S := S + FloatToStr(D) + '->' + IntToStr(Round(D)) + ' ';
  end;
  WriteLn(S);
  D := 0.49999999999999994; WriteLn('0.49999999999999994 -> ' + IntToStr(Round(D)));
  D := 2.5000000001; WriteLn('2.5000000001 -> ' + IntToStr(Round(D)));
  Result := True;
end;
