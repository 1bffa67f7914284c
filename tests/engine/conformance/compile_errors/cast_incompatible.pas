{ Integer of a Char is no cast: reported at the closing parenthesis. }
function F(A: Double; B: Integer): Integer;
begin
  Result := B;
end;
function Main(var V: Variant): Boolean;
var
  R: Double; I: Integer; S: string; X: Variant; B: Boolean;
begin
  I := Integer(  'ab'  ) ;
  Result := True;
end;
