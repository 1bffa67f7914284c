{ TComponent: Name, Tag, Owner and component lists. }
function Main(var V: Variant): Boolean;
var
  Root, Child: TComponent;
begin
  Root := TComponent.Create(nil);
  Root.Name := 'Root';
  Child := TComponent.Create(Root);
  Child.Name := 'Child';
  Child.Tag := 42;
  WriteLn('count=' + IntToStr(Root.ComponentCount) + ' first=' + Root.Components[0].Name + ' tag=' + IntToStr(Child.Tag));
  if Child.Owner = Root then WriteLn('owner ok');
  if Root.FindComponent('Child') = Child then WriteLn('found');
  Root.Free;
  Result := True;
end;
