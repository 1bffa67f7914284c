{ Components made as statements belong to their owner; with on an object;
  FindComponent ignores case; ComponentIndex moves one within its owner. }
function Main(var V: Variant): Boolean;
var
  Root, Other, C: TComponent;
  I: Integer;
begin
  Root := TComponent.Create(nil);
  Other := TComponent.Create(nil);
  TComponent.Create(Root);
  TComponent.Create(Root);
  for I := 0 to Root.ComponentCount - 1 do
    with Root.Components[I] do
    begin
      Name := 'Item' + IntToStr(I);
      Tag := I * 10;
    end;
  C := Root.FindComponent('ITEM1');
  if C <> nil then WriteLn('found ' + C.Name + ' tag ' + IntToStr(C.Tag) + ' index ' + IntToStr(C.ComponentIndex));
  if Root.FindComponent('nothing') = nil then WriteLn('no such component');
  C.ComponentIndex := 0;
  WriteLn('first now ' + Root.Components[0].Name + ', then ' + Root.Components[1].Name);
  if C.Owner = Root then WriteLn('owner kept');
  WriteLn('other has ' + IntToStr(Other.ComponentCount));
  Root.Free;
  Other.Free;
  Result := True;
end;
