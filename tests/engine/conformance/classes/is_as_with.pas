{ is, as and with on imported classes. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  O: TObject;
  St: TStrings;
begin
  L := TStringList.Create;
  O := L;
  WriteLn('O is TStringList: ' + BS(O is TStringList) + ', O is TStrings: ' + BS(O is TStrings));
  St := O as TStrings;
  St.Add('via TStrings');
  with L do
  begin
    Add('via with');
    WriteLn('count=' + IntToStr(Count));
  end;
  WriteLn('Assigned: ' + BS(Assigned(L)));
  L.Free;
  Result := True;
end;
