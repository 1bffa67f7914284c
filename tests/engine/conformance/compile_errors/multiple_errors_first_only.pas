{ Compilation stops at the first error: only one message. }
function Main(var V: Variant): Boolean;
begin
  A := 1;
  B := 2;
  Result := True;
end;
