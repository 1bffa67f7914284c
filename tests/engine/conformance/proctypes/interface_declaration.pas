{ A script may declare an interface with a GUID; a variable of it starts nil. }
type
  IFoo = interface(IUnknown)
    ['{11111111-2222-3333-4444-555555555555}']
    function Bar: Integer;
  end;
function Main(var V: Variant): Boolean;
var
  F: IFoo;
  U: IUnknown;
  I: IInterface;
begin
  if F = nil then WriteLn('F is nil');
  if U = nil then WriteLn('U is nil');
  if I = nil then WriteLn('I is nil');
  Result := True;
end;
