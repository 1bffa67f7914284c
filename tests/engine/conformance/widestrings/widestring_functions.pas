{ Built-in AnyString functions on WideString arguments (result keeps the type). }
function Main(var V: Variant): Boolean;
var
  W, R: WideString;
  S: string;
begin
  W := '  Mixed Case  ';
  R := Trim(W); S := R; WriteLn('[' + S + ']');
  R := UpperCase(W); S := R; WriteLn('[' + S + ']');
  R := LowerCase(W); S := R; WriteLn('[' + S + ']');
  W := 'abc';
  R := PadL(W, 6); S := R; WriteLn('[' + S + ']');
  R := PadR(W, 6); S := R; WriteLn('[' + S + ']');
  R := PadZ(W, 6); S := R; WriteLn('[' + S + ']');
  WriteLn('WStrGet=' + IntToStr(Ord(WStrGet(W, 2))));
  WStrSet('Z', 3, W); S := W; WriteLn('WStrSet=' + S);
  Result := True;
end;
