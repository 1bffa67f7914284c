{ Objects[] beside the strings: AddObject, InsertObject, IndexOfObject, and
  objects that follow their strings through Sort and Exchange. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  A, B: TComponent;
begin
  A := TComponent.Create(nil);
  A.Name := 'A';
  B := TComponent.Create(nil);
  B.Name := 'B';
  L := TStringList.Create;
  L.AddObject('zeta', A);
  L.Add('alpha');
  L.InsertObject(1, 'mid', B);
  WriteLn('count=' + IntToStr(L.Count) + ' A at ' + IntToStr(L.IndexOfObject(A)) + ' B at ' + IntToStr(L.IndexOfObject(B)));
  if L.Objects[2] = nil then WriteLn('no object for alpha');
  L.Sort;
  WriteLn('sorted=' + L.CommaText + ' A at ' + IntToStr(L.IndexOfObject(A)));
  WriteLn('object of zeta=' + TComponent(L.Objects[2]).Name);
  L.Exchange(0, 2);
  WriteLn('after exchange: ' + L[0] + ' has ' + TComponent(L.Objects[0]).Name);
  L.Objects[1] := B;
  WriteLn('mid now ' + TComponent(L.Objects[1]).Name);
  L.Free;
  A.Free;
  B.Free;
  Result := True;
end;
