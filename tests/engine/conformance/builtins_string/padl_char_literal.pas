{ PadL/PadR/PadZ with a Char literal argument return the padded string.
  (The reference engine types the result as Char and returns ' ' / '7' / '0':
  deliberate difference, see README.) }
function Main(var V: Variant): Boolean;
begin
  WriteLn('[' + PadL('7', 3) + '] [' + PadR('7', 3) + '] [' + PadZ('7', 3) + ']');
  Result := True;
end;
