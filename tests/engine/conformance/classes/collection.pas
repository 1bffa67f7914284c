{ A TCollection made with TObject's constructor holds TCollectionItems:
  Add, Insert, Items, IDs, moving items, freeing them (the reference's
  collection has no item class and fails at its first use). }
procedure ShowAll(C: TCollection);
var
  I: Integer;
  S: string;
begin
  S := 'count ' + IntToStr(C.Count) + ':';
  for I := 0 to C.Count - 1 do
    S := S + ' ' + IntToStr(C.Items[I].ID) + '@' + IntToStr(C.Items[I].Index);
  WriteLn(S);
end;

function Main(var V: Variant): Boolean;
var
  C, D: TCollection;
  A, B, X: TCollectionItem;
begin
  C := TCollection.Create;
  C.BeginUpdate;
  A := C.Add;
  B := C.Add;
  C.Add;
  C.EndUpdate;
  ShowAll(C);
  X := C.Insert(1);
  ShowAll(C);
  WriteLn(X.DisplayName + ' ' + IntToStr(X.ID));
  X.DisplayName := 'ignored';
  WriteLn(X.DisplayName);
  X.Index := 3;
  ShowAll(C);
  if C.FindItemID(1) = B then WriteLn('found 1');
  if C.FindItemID(9) = nil then WriteLn('no 9');
  if A.Collection = C then WriteLn('A in C');
  D := TOwnedCollection.Create;
  B.Collection := D;
  ShowAll(C);
  ShowAll(D);
  B.Collection := nil;
  WriteLn(IntToStr(B.Index) + ' ' + IntToStr(D.Count));
  X := TCollectionItem.Create(D);
  ShowAll(D);
  A.Free;
  ShowAll(C);
  try C.Items[7].Index := 0; except WriteLn(ExceptionParam); end;
  try X.Index := 5; except WriteLn(ExceptionParam); end;
  try C.Insert(9); except WriteLn(ExceptionParam); end;
  ShowAll(C);
  try C.Items[0] := X; except WriteLn(ExceptionParam); end;
  C.Clear;
  ShowAll(C);
  C.Free;
  D.Free;
  B.Free;
  Result := True;
end;
