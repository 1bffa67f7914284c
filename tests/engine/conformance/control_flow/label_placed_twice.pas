{ A label placed twice is accepted by the compiler; goto-free code runs normally. }
function Main(var V: Variant): Boolean;
label
  L;
begin
L:
L:
  Result := True;
end;
