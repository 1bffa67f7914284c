{ A Variant cannot index a WideString either; an Integer can. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  W: WideString;
begin
  W := 'abc'; X := 2;
  WriteLn(W[2]);
  WriteLn(W[X]);
  Result := True;
end;
