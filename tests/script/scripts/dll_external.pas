function GetPid: Integer; external 'getpid@libc.so.6 cdecl delayload';

function Initialize(var V: Variant): Boolean;
begin
  Result := True;
end;

function Pid(var V: Variant): Boolean;
begin
  V := GetPid;
  Result := True;
end;
