{ Statements that start with a computed object: a function's result, a class
  cast, a constructor call followed by a member. }
var G: TStringList;
function Get: TStringList;
begin
  Result := G;
end;
function Main(var V: Variant): Boolean;
var O: TObject; C: TComponent;
begin
  G := TStringList.Create;
  Get.Add('one');
  Get[0] := Get[0] + '!';
  C := TComponent.Create(nil);
  O := C;
  TComponent(O).Name := 'named';
  TComponent(O).Tag := 7;
  WriteLn(G[0] + ' ' + C.Name + ' ' + IntToStr(TComponent(O).Tag));
  TStringList.Create.Free;
  C.Free;
  G.Free;
  Result := True;
end;
