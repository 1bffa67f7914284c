{ A WideString in a Variant is varOleStr; converting back and forth. }
function Main(var V: Variant): Boolean;
var
  W: WideString;
  X: Variant;
  S: string;
begin
  W := 'wide';
  X := W;
  WriteLn('vartype=' + IntToStr(VarType(X)));
  S := X; WriteLn('to string=' + S);
  X := 'ansi';
  W := X; S := W; WriteLn('ansi variant to wide=' + S + ' vartype=' + IntToStr(VarType(X)));
  V := W;
  Result := True;
end;
