{ The INCLUDE directive (long form) and nested includes. }
{$INCLUDE inc/nested_outer.inc}
function Main(var V: Variant): Boolean;
begin
  WriteLn(Outer);
  Result := True;
end;
