{ An uncaught exception raised two calls deep ends the entry point; globals
  changed before it stay changed, and the next entry point still runs. }
var
  G: Integer;
procedure Deep;
begin
  G := 2;
  RaiseException(erCustomError, 'deep failure');
  G := 3;
end;
procedure Mid;
begin
  G := 1;
  Deep;
end;
function Main(var V: Variant): Boolean;
begin
  Mid;
  Result := True;
end;
function Finalize(var V: Variant): Boolean;
begin
  WriteLn('G=' + IntToStr(G));
  Result := True;
end;
