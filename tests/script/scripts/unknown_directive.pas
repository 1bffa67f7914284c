{$R+}
function Initialize(var V: Variant): Boolean;
begin
  Result := True;
end;
