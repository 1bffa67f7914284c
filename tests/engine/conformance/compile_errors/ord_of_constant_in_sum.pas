{ Ord of a Boolean constant: reported where the expression ends. }
function F(A: Double; B: Integer): Integer;
begin
  Result := B;
end;
function Main(var V: Variant): Boolean;
var
  R: Double; I: Integer; S: string; X: Variant; B: Boolean;
begin
  I := Ord(True) + 1 ;
  Result := True;
end;
