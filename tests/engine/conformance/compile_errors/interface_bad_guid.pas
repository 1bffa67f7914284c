{ The GUID text must have the registry form. }
type
  IFoo = interface(IUnknown)
    ['{1111-2222}']
    function Bar: Integer;
  end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
