{ Variant records (case inside a record) are rejected. }
type
  TR = record
    case Integer of
      0: (I: Integer);
      1: (B: Byte);
  end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
