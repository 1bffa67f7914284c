{ After the calling convention only delayload may follow. }
procedure Missing; external 'Missing@no_such_library_xyz.so cdecl delayload now';
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
