// Only the brace form is a directive: the paren-star form below is an
// ordinary comment, and so is a directive inside a line comment.
(*$DEFINE X*)
// {$DEFINE Y}
function Main(var V: Variant): Boolean;
begin
{$IFDEF X}
  WriteLn('X defined');
{$ELSE}
  WriteLn('X not defined');
{$ENDIF}
  Result := True;
end;
