{ string(...) of a constant does not fold, not even a Chr. }
function F(A: Double; B: Integer): Integer;
begin
  Result := B;
end;
function Main(var V: Variant): Boolean;
var
  R: Double; I: Integer; S: string; X: Variant; B: Boolean;
begin
  S := string(Chr(65)) ;
  Result := True;
end;
