{ Typed constants are not supported: is ('=') expected. }
const
  C: Integer = 5;

function Main(var V: Variant): Boolean;
begin
  Result := C = 5;
end;
