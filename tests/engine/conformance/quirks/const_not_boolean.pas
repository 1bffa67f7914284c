{ "not" on a Boolean constant inside a const declaration: Type mismatch. }
const
  BT = True;
  BF = not BT;
function Main(var V: Variant): Boolean;
begin
  Result := BF;
end;
