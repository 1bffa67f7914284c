{ A routine that is never called earns no hint; a clean script prints no
  "Compiled with" block even with -v. }
function NeverCalled(A: Integer): Integer;
begin
  Result := A;
end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
