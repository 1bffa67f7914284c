{ An error in Initialize does not stop Main and Finalize from running; the
  exit code reports the failure. }
function Initialize(var V: Variant): Boolean;
var
  Z: Integer;
begin
  Z := 0;
  Z := 1 div Z;
  Result := True;
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn('Main runs');
  Result := True;
end;
function Finalize(var V: Variant): Boolean;
begin
  WriteLn('Finalize runs');
  Result := True;
end;
