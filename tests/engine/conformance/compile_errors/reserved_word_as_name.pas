{ out is a reserved word: it cannot name a variable. }
function Main(var V: Variant): Boolean;
var
  Out: string;
begin
  Result := True;
end;
