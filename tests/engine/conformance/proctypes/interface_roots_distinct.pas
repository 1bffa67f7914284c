{ IUnknown and IInterface are distinct roots: neither fits the other. }
function Main(var V: Variant): Boolean;
var
  U: IUnknown;
  I: IInterface;
begin
  U := I;
  Result := True;
end;
