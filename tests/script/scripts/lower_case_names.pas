{ Initialize spelled in lower case is still found. The marker file proves it ran. }
function initialize(var V: Variant): Boolean;
var
  H: Integer;
begin
  H := FileCreate('{MARKER}');
  FileWrite(H, 'initialized', 11);
  FileClose(H);
  Result := True;
end;

function MIXED_case(var V: Variant): Boolean;
begin
  Result := True;
end;
