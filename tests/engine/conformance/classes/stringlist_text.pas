{ TStringList.Text splits on line breaks. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  S: string;
begin
  L := TStringList.Create;
  L.Text := 'one'#13#10'two'#10'three';
  WriteLn('count=' + IntToStr(L.Count) + ' last=' + L[2]);
  L.Text := 'a'#13#10#13#10'b';
  WriteLn('empty middle line kept: count=' + IntToStr(L.Count) + ' [1]=[' + L[1] + ']');
  L.Free;
  Result := True;
end;
