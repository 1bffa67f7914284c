{ The error is reported at the end of the argument. }
function F(A: Double; B: Integer): Integer;
begin
  Result := B;
end;
function Main(var V: Variant): Boolean;
var
  R: Double; I: Integer; S: string; X: Variant; B: Boolean;
begin
  I := F(Double(3) , 5) ;
  Result := True;
end;
