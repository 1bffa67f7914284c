{ An interface must declare at least one method of its own. }
type
  IEmpty = interface(IUnknown)
    ['{11111111-2222-3333-4444-555555555555}']
  end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
