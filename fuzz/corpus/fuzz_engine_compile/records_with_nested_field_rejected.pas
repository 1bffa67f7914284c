{ with Q, R do: R is a field of Q, which a later with item cannot name. }
type
  TIn = record
    N: Integer;
  end;
  TOut = record
    R: TIn;
  end;
function Main(var V: Variant): Boolean;
var
  Q: TOut;
begin
  with Q, R do
    N := 1;
  Result := True;
end;
