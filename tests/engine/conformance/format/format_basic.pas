{ The host's Format with %d, %s, %x, %.Nf, widths, %%, and an array of const. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  D: Double;
  S: string;
  L: Int64;
begin
  I := 42; D := 3.14159; S := 'str'; L := 5000000000;
  WriteLn(Format('int %d, str %s, hex %x', [I, S, I]));
  WriteLn(Format('[%5d] [%-5d] [%.3d] [%05d]', [I, I, I, I]));
  WriteLn(Format('%.2f %.0f %8.3f', [D, D, D]));
  WriteLn(Format('%s%%', ['100']));
  WriteLn(Format('[%10s] [%-10s]', [S, S]));
  WriteLn(Format('int64 %d', [L]));
  WriteLn(Format('%X %x', [255, 255]));
  WriteLn(Format('no args', []));
  WriteLn(Format('%d %d %d', [1, -2, 3]));
  Result := True;
end;
