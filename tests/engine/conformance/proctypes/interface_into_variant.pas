{ An interface assigned to a Variant compiles but fails when it runs. }
type
  IBase = interface(IUnknown)
    ['{11111111-2222-3333-4444-555555555555}']
    function Bar(A: Integer): Integer;
  end;
function Main(var V: Variant): Boolean;
var
  B: IBase;
begin
  WriteLn('before');
  V := B;
  WriteLn('after');
  Result := True;
end;
