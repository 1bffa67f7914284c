{ Nothing after the @: the load fails naming an empty library. }
function Missing(A: Integer): Integer; external 'Missing@';
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
