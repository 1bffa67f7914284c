{ Pos, Copy and Delete with Char arguments.  In the reference engine the Char
  reaches the host's string implementation unconverted and crashes (access
  violation); we convert it (deliberate difference, see README). }
function Main(var V: Variant): Boolean;
var
  S: string;
  C: Char;
begin
  S := 'a;b;c';
  WriteLn('Pos('';'', S)=' + IntToStr(Pos(';', S)));
  C := 'x';
  WriteLn('Copy(C, 1, 1)=' + Copy(C, 1, 1));
  Result := True;
end;
