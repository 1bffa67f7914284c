{ True is a Boolean, so comparing a ByteBool with it mixes kinds. }
function Main(var V: Variant): Boolean;
var
  BB: ByteBool;
begin
  BB := True;
  Result := BB = True;
end;
