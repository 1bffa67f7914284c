{ Format with a Variant holding a string, Int64, Double, Boolean-free arguments. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  D: Double;
  L: Int64;
  W: WideString;
begin
  X := 'var';
  WriteLn(Format('[%s]', [X]));
  D := -0.005;
  WriteLn(Format('[%.2f] [%.3f]', [D, D]));
  L := -5000000000;
  WriteLn(Format('[%d] [%x]', [L, L]));
  W := 'wide';
  WriteLn(Format('[%s]', [W]));
  WriteLn(Format('[%5.1f]', [2.25]));
  WriteLn(Format('[%.1f] [%.1f] [%.0f] [%.0f]', [0.25, 0.35, 0.5, 1.5]));
  Result := True;
end;
