{ Only register, stdcall, cdecl and pascal are calling conventions; safecall is not. }
function Missing(A: Integer): Integer; external 'Missing@no_such_library_xyz.so safecall';
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
