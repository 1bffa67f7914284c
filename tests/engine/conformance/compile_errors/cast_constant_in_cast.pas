{ A casts operand is an expression of its own. }
function F(A: Double; B: Integer): Integer;
begin
  Result := B;
end;
function Main(var V: Variant): Boolean;
var
  R: Double; I: Integer; S: string; X: Variant; B: Boolean;
begin
  R := Double(Integer(True) + 1) ;
  Result := True;
end;
