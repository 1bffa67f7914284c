{ Tabs count as one column each in error positions. }
function Main(var V: Variant): Boolean;
begin
		Result := Nope;
end;
