{ Parentheses do not end the expression. }
function F(A: Double; B: Integer): Integer;
begin
  Result := B;
end;
function Main(var V: Variant): Boolean;
var
  R: Double; I: Integer; S: string; X: Variant; B: Boolean;
begin
  I := (Integer(True)) * 2 ;
  Result := True;
end;
