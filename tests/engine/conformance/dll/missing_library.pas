{ An external routine in a library that does not exist: loading the script fails. }
function Missing(A: Integer): Integer; external 'Missing@no_such_library_xyz.so cdecl';
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
