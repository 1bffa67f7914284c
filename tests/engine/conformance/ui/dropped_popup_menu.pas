// PopupMenu of the standard controls names TPopupMenu, which only the menus
// library (registered later) declares: the property is not there.
var G: TGroupBox;
function Main(var V: Variant): Boolean;
begin
  G := TGroupBox.Create(nil);
  G.PopupMenu := nil;
  Result := True;
end;
