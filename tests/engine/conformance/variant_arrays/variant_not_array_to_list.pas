{ A Variant that holds no array (here Unassigned) cannot become a TVariantArray. }
function Main(var V: Variant): Boolean;
var
  A: TVariantArray;
  X: Variant;
begin
  A := X;
  WriteLn(IntToStr(Length(A)));
  Result := True;
end;
