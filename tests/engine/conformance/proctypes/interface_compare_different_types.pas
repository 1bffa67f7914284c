{ Two different interface types cannot be compared, even base and derived. }
type
  IBase = interface(IUnknown)
    ['{11111111-2222-3333-4444-555555555555}']
    function Bar(A: Integer): Integer;
  end;
  IDerived = interface(IBase)
    ['{11111111-2222-3333-4444-555555555556}']
    procedure Extra;
  end;
function Main(var V: Variant): Boolean;
var
  B: IBase;
  D: IDerived;
begin
  Result := B = D;
end;
