{ procedure ... of object is rejected in a script. }
type
  TEv = procedure(Sender: TObject) of object;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
