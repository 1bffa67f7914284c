{ / on two integers is integer division (truncating), in variables and constants. }
const
  K = 7 / 2;
function Main(var V: Variant): Boolean;
var
  I, J, R: Integer;
begin
  I := 7; J := 2;
  R := I / J; WriteLn('7 / 2 = ' + IntToStr(R));
  I := -7; R := I / J; WriteLn('-7 / 2 = ' + IntToStr(R));
  WriteLn('const 7 / 2 = ' + IntToStr(K));
  Result := True;
end;
