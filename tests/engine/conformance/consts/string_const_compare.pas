{ Comparing two string constants with < fails to compile (Type mismatch). }
const
  S1 = 'abc';
  S2 = 'abd';

function Main(var V: Variant): Boolean;
begin
  Result := S1 < S2;
end;
