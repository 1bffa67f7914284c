{ case on an Int64 selector. }
function Main(var V: Variant): Boolean;
var
  L: Int64;
begin
  L := 5000000000;
  case L of
    1: WriteLn('one');
    5000000000: WriteLn('five billion');
  else
    WriteLn('else');
  end;
  Result := True;
end;
