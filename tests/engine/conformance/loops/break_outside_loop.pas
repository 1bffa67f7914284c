{ Break outside a loop: Not in a loop. }
function Main(var V: Variant): Boolean;
begin
  Break;
  Result := True;
end;
