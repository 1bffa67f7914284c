{ An entry point whose signature is not function(var V: Variant): Boolean. }
function Main(V: Variant): Boolean;
begin
  Result := True;
end;
