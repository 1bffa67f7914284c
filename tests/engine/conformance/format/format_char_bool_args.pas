{ Format with Char, Boolean-free mixed arguments and argument indexes. }
function Main(var V: Variant): Boolean;
var
  C: Char;
begin
  C := 'z';
  WriteLn(Format('char %s', [C]));
  WriteLn(Format('%1:s %0:s', ['a', 'b']));
  WriteLn(Format('%*d|', [6, 42]));
  Result := True;
end;
