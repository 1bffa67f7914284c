{ Two record fields of one name: reported at the token after the second, without the name. }
type R = record A: Integer; A: Byte; end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
