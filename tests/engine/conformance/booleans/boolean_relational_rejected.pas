{ < on two Booleans is a compile-time Type mismatch (= and <> work). }
function Main(var V: Variant): Boolean;
var
  T, F: Boolean;
begin
  T := True;
  Result := F < T;
end;
