{ Two parameters of one name in different groups. }
procedure P(A: Integer; A: Byte); begin end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
