{ PadL, PadR, PadZ, Replicate, StringOfChar with string variables. }
function Main(var V: Variant): Boolean;
var
  S: string;
begin
  S := '7';
  WriteLn('[' + PadL(S, 3) + '] [' + PadR(S, 3) + '] [' + PadZ(S, 3) + ']');
  S := 'abcdef';
  WriteLn('[' + PadL(S, 3) + '] [' + PadR(S, 3) + '] [' + PadZ(S, 3) + ']');
  S := '-5';
  WriteLn('[' + PadZ(S, 5) + ']');
  S := '';
  WriteLn('[' + PadL(S, 2) + '] [' + PadZ(S, 0) + ']');
  WriteLn('[' + Replicate('a', 3) + '] [' + Replicate('b', 0) + ']');
  WriteLn('[' + StringOfChar('x', 4) + '] [' + StringOfChar('y', 0) + '] [' + StringOfChar('z', -1) + ']');
  Result := True;
end;
