{ A file that includes itself: too many nested include files. }
{$I inc/self_include.inc}
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
