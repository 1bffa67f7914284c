{ A routine with a value parameter fits a procedural type with a const one
  (and the parameter names may differ); var does not fit value. }
type
  TC = function(const X: Integer): Integer;
  TV = function(var X: Integer): Integer;
function G(A: Integer): Integer;
begin
  Result := A + 1;
end;
function Main(var V: Variant): Boolean;
var
  C: TC;
  W: TV;
begin
  C := @G;
  WriteLn(IntToStr(C(41)));
  W := @G;
  Result := True;
end;
