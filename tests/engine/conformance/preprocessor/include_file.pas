{ The I directive splices a file in; the name is resolved against the current directory. }
{$I inc/consts.inc}
function Main(var V: Variant): Boolean;
begin
  WriteLn(IntToStr(IncHelper(IncValue)));
  Result := True;
end;
