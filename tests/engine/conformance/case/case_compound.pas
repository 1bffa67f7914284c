{ case branches with compound statements, nested case, else with a compound statement. }
function Main(var V: Variant): Boolean;
var
  I, J: Integer;
  S: string;
begin
  S := '';
  for I := 1 to 4 do
    case I mod 3 of
      0: begin
           S := S + 'A';
           S := S + 'a';
         end;
      1: case I of
           1: S := S + 'B';
         else
           S := S + 'C';
         end;
    else
      begin
        S := S + 'D';
        J := I;
        S := S + IntToStr(J);
      end;
    end;
  WriteLn(S);
  Result := True;
end;
