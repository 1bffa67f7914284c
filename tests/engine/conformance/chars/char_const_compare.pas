{ Comparing two Char literals with > fails to compile. }
function Main(var V: Variant): Boolean;
begin
  Result := 'a' > 'Z';
end;
