{ The parent interface in brackets is required. }
type
  IFoo = interface
    ['{11111111-2222-3333-4444-555555555555}']
    function Bar: Integer;
  end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
