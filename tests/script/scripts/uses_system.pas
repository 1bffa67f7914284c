uses System;

function Initialize(var V: Variant): Boolean;
begin
  Result := True;
end;
