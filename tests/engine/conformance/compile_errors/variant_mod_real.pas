{ mod, shl, shr, and, or, xor take only integers beside a Variant. }
function Main(var V: Variant): Boolean;
var
  X, R: Variant; S: string; D: Double; B: Boolean;
begin
  R := X mod D ;
  Result := True;
end;
