{ A parameter may not take its routine's name. }
function F(F: Integer): Integer; begin Result := F; end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
