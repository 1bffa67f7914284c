function Main(var V: Variant): Boolean;
var L, M: TFuzzList; B: TFuzzBase; I: Integer; S: string;
begin
  B := TFuzzBase.Create;
  L := TFuzzList.Create(B);
  L.Add('a'); L.Add('b');
  L[0] := L[1] + L.Items[0];
  for I := 0 to L.Count - 1 do S := S + L[I];
  L.Swap(I, 5);
  if L is TFuzzList then M := B as TFuzzList;
  with L do begin Add('c'); S := Items[Count - 1]; end;
  if Assigned(L.Owner) and (L.Owner = B) then WriteLn(S);
  try S := L[9]; except WriteLn('x'); end;
  L.Free; B.Free;
  L.Add('after');
  Result := True;
end;
