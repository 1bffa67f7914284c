{ A Char loop control variable gives Type mismatch. }
function Main(var V: Variant): Boolean;
var
  C: Char;
begin
  for C := 'a' to 'c' do
    WriteLn(C);
  Result := True;
end;
