{ Accessing a field a record does not have. }
type
  TP = record
    X: Integer;
  end;
function Main(var V: Variant): Boolean;
var
  A: TP;
begin
  A.Z := 1;
  Result := True;
end;
