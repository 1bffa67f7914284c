function Main(var V: Variant): Boolean;
var
  I: Integer;
begin
  case I
    1: Result := True;
  end;
end;
