{ Two ELSE in one IFDEF. }
function Main(var V: Variant): Boolean;
begin
{$IFDEF X}
{$ELSE}
{$ELSE}
{$ENDIF}
  Result := True;
end;
