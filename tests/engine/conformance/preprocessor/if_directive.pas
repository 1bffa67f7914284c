{ The IF directive is not supported. }
function Main(var V: Variant): Boolean;
begin
{$IF 1 = 1}
  Result := True;
{$IFEND}
end;
