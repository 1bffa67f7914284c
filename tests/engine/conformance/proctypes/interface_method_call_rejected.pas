{ A script cannot call a method of an interface variable: the name stops
  before the '.', so a call argument list wants its comma there. }
type
  IBase = interface(IUnknown)
    ['{11111111-2222-3333-4444-555555555555}']
    function Bar(A: Integer): Integer;
  end;
function Main(var V: Variant): Boolean;
var
  B: IBase;
begin
  WriteLn(IntToStr(B.Bar(1)));
  Result := True;
end;
