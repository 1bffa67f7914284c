{ A directive with too many parameters. }
{$DEFINE A B}
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
