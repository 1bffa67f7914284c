type TR = record O: TFuzzList; N: Integer; end;
var G: array of TFuzzList;
function Main(var V: Variant): Boolean;
var R: TR; A: TFuzzAbstract; K: TFuzzKind;
begin
  SetLength(G, 2);
  G[0] := TFuzzList.Create(nil);
  R.O := G[0];
  R.O.Add(IntToStr(fzMax));
  A := TFuzzAbstract.Create(G[0]);
  K := fkTwo;
  G[1] := A;
  V := G[1];
  Result := G[0] <> nil;
end;
