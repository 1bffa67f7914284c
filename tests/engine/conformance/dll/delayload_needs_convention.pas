{ delayload right after the library is read as the calling convention. }
procedure Missing; external 'Missing@no_such_library_xyz.so delayload';
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
