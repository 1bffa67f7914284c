{ An unknown parent interface; the message names it in upper case. }
type
  IFoo = interface(INowhere)
    ['{11111111-2222-3333-4444-555555555555}']
    function Bar: Integer;
  end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
