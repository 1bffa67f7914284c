{ An interface method as a statement: the reference wants an assignment at the '.'. }
type
  IBase = interface(IUnknown)
    ['{11111111-2222-3333-4444-555555555555}']
    procedure Baz;
  end;
function Main(var V: Variant): Boolean;
var
  B: IBase;
begin
  B.Baz;
  Result := True;
end;
