{ TStringList from the classes import: Add, Insert, Delete, IndexOf, Count,
  Strings[], Text, CommaText, Sort, Values, Free. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  I: Integer;
  S: string;
begin
  L := TStringList.Create;
  try
    L.Add('banana');
    L.Add('apple');
    L.Add('cherry');
    L.Insert(0, 'date');
    WriteLn('count=' + IntToStr(L.Count) + ' [0]=' + L.Strings[0] + ' [1]=' + L[1]);
    WriteLn('IndexOf(apple)=' + IntToStr(L.IndexOf('apple')) + ' IndexOf(none)=' + IntToStr(L.IndexOf('none')));
    L.Delete(0);
    L.Sort;
    S := '';
    for I := 0 to L.Count - 1 do S := S + L[I] + ',';
    WriteLn('sorted=' + S);
    WriteLn('comma=' + L.CommaText);
    L.Clear;
    L.Add('key=value');
    L.Add('other=2');
    WriteLn('Values[key]=' + L.Values['key'] + ' Names[1]=' + L.Names[1]);
    L.CommaText := 'x,"y z",w';
    WriteLn('count after CommaText=' + IntToStr(L.Count) + ' [1]=' + L[1]);
  finally
    L.Free;
  end;
  Result := True;
end;
