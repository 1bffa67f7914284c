{ A second uses clause is not allowed. }
uses System;
uses System;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
