{ Format with an argument of the wrong type for its directive. }
function Main(var V: Variant): Boolean;
begin
  WriteLn(Format('%d', ['text']));
  Result := True;
end;
