{ Text after the final end. is ignored. }
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;

begin
end.
this is not pascal at all ;;; }
