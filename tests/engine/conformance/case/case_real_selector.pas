{ case on a real (Double) selector compiles and matches integer labels. }
function Main(var V: Variant): Boolean;
var
  D: Double;
begin
  D := 1;
  case D of
    1: WriteLn('one');
  end;
  D := 1.5;
  case D of
    1: WriteLn('one again');
  else
    WriteLn('1.5 matches no label');
  end;
  Result := True;
end;
