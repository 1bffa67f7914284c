{ No Initialize: loading fails, yet Finalize runs when the host is released. }
function Finalize(var V: Variant): Boolean;
var
  H: Integer;
begin
  H := FileCreate('{MARKER}');
  FileWrite(H, 'finalized', 9);
  FileClose(H);
  Result := True;
end;
