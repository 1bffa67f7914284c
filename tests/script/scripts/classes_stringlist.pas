function Initialize(var V: Variant): Boolean;
begin
  Result := True;
end;

function Sorted(var V: Variant): Boolean;
var
  L: TStringList;
begin
  L := TStringList.Create;
  try
    L.CommaText := V;
    L.Sort;
    V := L.CommaText + '/' + IntToStr(L.Count);
  finally
    L.Free;
  end;
  Result := True;
end;
