{ Warnings from an included file with -v -a: messages name the include file. }
{$I inc/warn.inc}
function Main(var V: Variant): Boolean;
begin
  Result := WarnHelper;
end;
