{ Only method headings may follow the GUID: a property is an Invalid method. }
type
  IFoo = interface(IUnknown)
    ['{11111111-2222-3333-4444-555555555555}']
    property P: Integer read Bar;
    function Bar: Integer;
  end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
