{ A compile error inside an included file: positions count in the combined text. }
{$I inc/bad_code.inc}
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
