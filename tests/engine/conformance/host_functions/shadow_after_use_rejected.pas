{ A built-in already called by the script cannot be redeclared afterwards. }
function First: string;
begin
  Result := UpperCase('a');
end;
function UpperCase(S: string): string;
begin
  Result := S;
end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
