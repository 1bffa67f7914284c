{ The host's Pos, Copy and Delete with string variables (the form that works
  in every engine). }
function Main(var V: Variant): Boolean;
var
  S, Sep, Item: string;
  P: Integer;
begin
  S := 'freq;11778;rest';
  Sep := ';';
  P := Pos(Sep, S);
  Item := Copy(S, 1, P - 1);
  Delete(S, 1, P);
  WriteLn('item=' + Item + ' rest=' + S + ' pos=' + IntToStr(P));
  P := Pos(Sep, S);
  WriteLn('next item=' + Copy(S, 1, P - 1) + ' pos=' + IntToStr(P));
  Result := True;
end;
