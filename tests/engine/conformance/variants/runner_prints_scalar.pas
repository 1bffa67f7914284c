{ How the runner prints a scalar V after each entry point. }
function Initialize(var V: Variant): Boolean;
var
  C: Cardinal;
begin
  C := 4294967295;
  V := C;
  Result := True;
end;
function Main(var V: Variant): Boolean;
var
  D: Double;
begin
  D := 100;
  V := D;
end;
function Finalize(var V: Variant): Boolean;
var
  W: WideString;
begin
  W := '';
  V := W;
  Result := True;
end;
