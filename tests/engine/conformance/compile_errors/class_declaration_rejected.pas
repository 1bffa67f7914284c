type
  TMine = class
    X: Integer;
  end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
