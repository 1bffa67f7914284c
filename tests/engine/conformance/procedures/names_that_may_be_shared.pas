{ Names that may be shared: a local variable hides a global one, a local
  variable or parameter may take a type's name, a constant may take a
  type's name, a parameter a constant's or a global's, a variable a built-in
  the script has not called, and one parameter group may hold a and A. }
type T = Integer; T2 = Byte;
const T2 = 5; K = 1;
var G: Integer; IntToStr2: Integer; Trim: Integer;
procedure P; var G: Byte; T: Integer; begin G := 1; T := 2; end;
procedure Q(T: Integer; K: Integer; G: Integer); begin end;
procedure R(a, A: Integer); begin end;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
