{ Without a calling convention the library name is the whole rest (register). }
function Missing(A: Integer): Integer; external 'Missing@no_such_library_xyz.so';
function Main(var V: Variant): Boolean;
begin
  WriteLn('not reached');
  Result := True;
end;
