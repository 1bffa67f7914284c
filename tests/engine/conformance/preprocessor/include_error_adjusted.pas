{ A compile error inside an included file, with -a: the message names the include file. }
{$I inc/bad_code.inc}
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
