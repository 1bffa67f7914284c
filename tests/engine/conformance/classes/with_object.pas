{ with on a constructor call or a function's object result; members of the
  with object come before outer variables of the same name. }
function MakeList(First: string): TStringList;
begin
  Result := TStringList.Create;
  Result.Add(First);
end;
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  Count: Integer;
begin
  Count := 99;
  L := TStringList.Create;
  with TStringList.Create do
  begin
    Add('a');
    Add('b');
    L.Add('inner count ' + IntToStr(Count));
    Free;
  end;
  with MakeList('first') do
  begin
    Add('second');
    L.Add(Strings[0] + '+' + Strings[1]);
    Free;
  end;
  L.Add('outer count ' + IntToStr(Count));
  WriteLn(L.CommaText);
  L.Free;
  Result := True;
end;
