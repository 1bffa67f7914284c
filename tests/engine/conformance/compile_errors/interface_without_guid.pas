type
  IFoo = interface(IUnknown)
    procedure Bar;
  end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
