program Conformance_Header;
{ An optional program header; the main begin..end. block is never run by the host. }
var
  G: Integer;

function Main(var V: Variant): Boolean;
begin
  G := G + 1;
  WriteLn('main ran, G=' + IntToStr(G));
  Result := True;
end;

begin
  WriteLn('main block must not run');
end.
