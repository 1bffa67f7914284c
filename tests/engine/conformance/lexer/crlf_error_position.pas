{ CR LF line ends: positions of a later error still count lines. }
function Main(var V: Variant): Boolean;
begin
  WriteLn('crlf');
  Result := Nope;
end;
