{ Boolean(1) of a constant does not fold. }
function F(A: Double; B: Integer): Integer;
begin
  Result := B;
end;
function Main(var V: Variant): Boolean;
var
  R: Double; I: Integer; S: string; X: Variant; B: Boolean;
begin
  B := Boolean(1) ;
  Result := True;
end;
