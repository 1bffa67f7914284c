{ ENDIF without IFDEF. }
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
{$ENDIF}
