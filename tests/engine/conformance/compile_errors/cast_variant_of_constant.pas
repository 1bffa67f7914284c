{ Variant(7) of a constant does not fold. }
function F(A: Double; B: Integer): Integer;
begin
  Result := B;
end;
function Main(var V: Variant): Boolean;
var
  R: Double; I: Integer; S: string; X: Variant; B: Boolean;
begin
  X := Variant(7) ;
  Result := True;
end;
