{ RemoveComponent is declared but has no run-time binding in the import:
  the script compiles and does not load. }
function Main(var V: Variant): Boolean;
var
  Root, C: TComponent;
begin
  Root := TComponent.Create(nil);
  C := TComponent.Create(Root);
  Root.RemoveComponent(C);
  Root.Free;
  Result := True;
end;
