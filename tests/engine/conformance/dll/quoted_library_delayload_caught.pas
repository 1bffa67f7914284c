{ A quoted library name with a space; the delayed call fails inside try/except,
  and the script goes on. Upper-case keywords work too. }
function Missing(A: Integer; const S: string): Integer; external 'Missing@"no such library.so" STDCALL DELAYLOAD';
function Main(var V: Variant): Boolean;
begin
  try
    WriteLn(IntToStr(Missing(1, 'a')));
  except
    WriteLn('caught: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  WriteLn('last error ' + IntToStr(DllGetLastError));
  UnloadDll('no such library.so');
  Result := True;
end;
