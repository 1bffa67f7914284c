// This build declares CreateNew(AOwner) without the Dummy parameter.
var F: TForm;
function Main(var V: Variant): Boolean;
begin
  F := TForm.CreateNew(nil, 0);
  Result := True;
end;
