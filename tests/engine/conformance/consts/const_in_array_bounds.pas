{ Constants as static array bounds and in case labels. }
const
  LO = 2;
  HI = LO + 3;
  K1 = 7;
var
  Arr: array[LO..HI] of Integer;

function Main(var V: Variant): Boolean;
var
  i: Integer;
begin
  for i := LO to HI do Arr[i] := i * i;
  WriteLn('low=' + IntToStr(Low(Arr)) + ' high=' + IntToStr(High(Arr)) + ' len=' + IntToStr(Length(Arr)));
  for i := Low(Arr) to High(Arr) do
    case i of
      LO: WriteLn('lo ' + IntToStr(Arr[i]));
      K1 - 3: WriteLn('four ' + IntToStr(Arr[i]));
      HI: WriteLn('hi ' + IntToStr(Arr[i]));
    else
      WriteLn('other ' + IntToStr(Arr[i]));
    end;
  Result := True;
end;
