{ Warnings from an included file, with positions in the combined text (-v only). }
{$I inc/warn.inc}
function Main(var V: Variant): Boolean;
begin
  Result := WarnHelper;
end;
