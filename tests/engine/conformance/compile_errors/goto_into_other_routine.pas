procedure P;
label
  L1;
begin
L1:
end;
function Main(var V: Variant): Boolean;
begin
  goto L1;
  Result := True;
end;
