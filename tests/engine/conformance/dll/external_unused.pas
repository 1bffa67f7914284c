{ An external declaration that is never called still makes the load fail. }
procedure Nothing; external 'Nothing@no_such_library_xyz.so';
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
