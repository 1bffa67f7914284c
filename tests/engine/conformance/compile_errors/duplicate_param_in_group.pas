{ Two parameters of one name in one group: reported without the name. }
procedure P(A, A: Integer); begin end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
