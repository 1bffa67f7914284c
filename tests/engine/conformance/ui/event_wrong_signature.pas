// An OnClick handler must be a procedure(Sender: TObject).
var B: TButton;
procedure Clicked(Sender: TObject; Extra: Integer);
begin
end;
function Main(var V: Variant): Boolean;
begin
  B := TButton.Create(nil);
  B.OnClick := @Clicked;
  Result := True;
end;
