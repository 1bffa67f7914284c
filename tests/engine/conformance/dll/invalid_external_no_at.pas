{ The external text needs symbol@library: Invalid External, reported after the declaration. }
function Missing(A: Integer): Integer; external 'Missing';
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
