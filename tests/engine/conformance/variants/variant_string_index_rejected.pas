{ A Variant cannot index a string: Type mismatch. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  S: string;
begin
  S := 'abc'; X := 2;
  WriteLn(S[X]);
  Result := True;
end;
