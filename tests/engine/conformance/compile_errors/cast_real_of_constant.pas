{ A cast of a constant to a real type does not fold: Type mismatch where the expression ends. }
function F(A: Double; B: Integer): Integer;
begin
  Result := B;
end;
function Main(var V: Variant): Boolean;
var
  R: Double; I: Integer; S: string; X: Variant; B: Boolean;
begin
  R := Double(300) + 1 ;
  Result := True;
end;
