{ A Variant holding the text 'True' converted to Boolean. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  Bo: Boolean;
begin
  X := 'True';
  Bo := X;
  if Bo then WriteLn('True') else WriteLn('False');
  Result := True;
end;
