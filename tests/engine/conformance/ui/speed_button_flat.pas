// Flat is not among the speed button's declared members.
var S: TSpeedButton;
function Main(var V: Variant): Boolean;
begin
  S := TSpeedButton.Create(nil);
  S.Flat := True;
  Result := True;
end;
