{ "uses System;" is accepted (the host's only unit). }
uses System;

function Main(var V: Variant): Boolean;
begin
  WriteLn(IntToHexStr(255));
  Result := True;
end;
