{ A forward declaration without a body. }
procedure Later; forward;
function Main(var V: Variant): Boolean;
begin
  Later;
  Result := True;
end;
