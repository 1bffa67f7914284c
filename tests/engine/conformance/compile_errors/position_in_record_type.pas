type
  TR = record
    A: Integer;
    B: TMissing;
  end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
