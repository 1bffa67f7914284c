{ Statements spread over lines, several per line, tabs and CR LF line ends. }
function Main(var V: Variant): Boolean;
var I,J:Integer;S:string;
begin
	I:=1;J:=2;S:='x';
  I :=
    I
    +
    J
    ;   WriteLn(S+IntToStr(I)) ; Result:=True
end;
