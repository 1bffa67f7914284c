{ The entry point's V parameter: whatever the script leaves in it is printed
  by the runner (here an Int64, a Double, a Boolean in separate entry points). }
function Initialize(var V: Variant): Boolean;
var
  L: Int64;
begin
  L := 5000000000;
  V := L;
  Result := True;
end;
function Main(var V: Variant): Boolean;
var
  D: Double;
begin
  D := 0.5;
  V := D;
  Result := True;
end;
function Finalize(var V: Variant): Boolean;
begin
  V := False;
  Result := False;
end;
