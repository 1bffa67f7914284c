{ Interfaces derived from script interfaces: a derived value fits a base
  variable and IUnknown; Assigned and nil comparisons on both sides. }
type
  IBase = interface(IUnknown)
    ['{11111111-2222-3333-4444-555555555555}']
    function Bar(A: Integer): Integer;
    procedure Baz(const S: string; var X: Integer);
  end;
  IDerived = interface(IBase)
    ['{AAAAAAAA-bbbb-CCCC-dddd-EEEEEEEEEEEE}']
    procedure Extra;
  end;
function Main(var V: Variant): Boolean;
var
  B: IBase;
  D: IDerived;
  U: IUnknown;
begin
  B := D;
  U := B;
  U := nil;
  if Assigned(B) then WriteLn('assigned') else WriteLn('not assigned');
  if nil = B then WriteLn('nil = B');
  if U <> nil then WriteLn('U set') else WriteLn('U nil');
  Result := True;
end;
