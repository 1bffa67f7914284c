{ procedure ... of object is rejected even when its parameters are plain types. }
type
  TNotify = procedure(Code: Integer) of object;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
