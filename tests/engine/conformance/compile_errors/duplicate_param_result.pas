{ A parameter may not be called Result. }
procedure P(Result: Integer); begin end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
