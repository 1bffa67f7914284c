{ There is no raise statement. }
function Main(var V: Variant): Boolean;
begin
  raise;
  Result := True;
end;
