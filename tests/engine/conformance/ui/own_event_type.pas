// A procedural type of the script with TNotifyEvent's signature is another
// type: its values do not go into OnClick.
type TMyEvent = procedure(Sender: TObject);
var B: TButton; E: TMyEvent;
procedure Clicked(Sender: TObject);
begin
end;
function Main(var V: Variant): Boolean;
begin
  B := TButton.Create(nil);
  E := @Clicked;
  B.OnClick := E;
  Result := True;
end;
