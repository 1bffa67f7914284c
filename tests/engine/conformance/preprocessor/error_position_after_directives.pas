{$DEFINE A}
{$IFDEF A}
{$ENDIF}
{ Directives become spaces: line/column positions of later errors are kept. }
function Main(var V: Variant): Boolean;
begin
  Result := Missing;
end;
