{ A sorted TStringList: Find, Duplicates, Insert refused, IndexOf, and
  CaseSensitive. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  I: Integer;
begin
  L := TStringList.Create;
  L.Sorted := True;
  L.Add('pear');
  L.Add('Apple');
  L.Add('fig');
  L.Add('banana');
  WriteLn('list=' + L.CommaText);
  WriteLn('Find(fig)=' + BS(L.Find('fig', I)) + ' index=' + IntToStr(I));
  WriteLn('Find(FIG)=' + BS(L.Find('FIG', I)) + ' index=' + IntToStr(I));
  WriteLn('Find(grape)=' + BS(L.Find('grape', I)) + ' index=' + IntToStr(I));
  WriteLn('IndexOf(apple)=' + IntToStr(L.IndexOf('apple')));
  WriteLn('dupIgnore Add(fig)=' + IntToStr(L.Add('fig')) + ' count=' + IntToStr(L.Count));
  L.Duplicates := dupAccept;
  L.Add('fig');
  WriteLn('dupAccept count=' + IntToStr(L.Count) + ' list=' + L.CommaText);
  L.Duplicates := dupError;
  try
    L.Add('pear');
  except
    WriteLn('dupError: ' + ExceptionParam);
  end;
  try
    L.Insert(0, 'x');
  except
    WriteLn('Insert: ' + ExceptionParam);
  end;
  L.CaseSensitive := True;
  WriteLn('case-sensitive=' + L.CommaText);
  L.Sorted := False;
  try
    L.Find('fig', I);
  except
    WriteLn('Find unsorted: ' + ExceptionParam);
  end;
  L.Free;
  Result := True;
end;
