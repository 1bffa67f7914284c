{ With delayload, the script loads; the call fails at run time. }
function Missing(A: Integer): Integer; external 'Missing@no_such_library_xyz.so cdecl delayload';
function Main(var V: Variant): Boolean;
begin
  WriteLn('before the call');
  WriteLn(IntToStr(Missing(1)));
  Result := True;
end;
