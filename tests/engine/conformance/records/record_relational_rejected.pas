{ Records support = and <> only. }
type
  TP = record
    X: Integer;
  end;
function Main(var V: Variant): Boolean;
var
  A, B: TP;
begin
  Result := A < B;
end;
