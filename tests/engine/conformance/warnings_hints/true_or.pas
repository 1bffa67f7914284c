{ True on the left of or, and False on the left of or. }
function Main(var V: Variant): Boolean;
var
  B: Boolean;
begin
  B := V = 1;
  Result := True or B;
  B := False or B;
end;
