{ An include file that does not exist. }
{$I inc/does_not_exist.inc}
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
