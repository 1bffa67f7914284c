{ Chr is a keyword here: it cannot name a variable. }
var
  Chr: Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
