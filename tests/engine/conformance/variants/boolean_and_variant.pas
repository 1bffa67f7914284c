{ A Boolean and a Variant combine with and/or/xor into a Boolean, the
  Variant read as an unsigned ordinal. }
function BS(B: Boolean): string; begin if B then Result := 'T' else Result := 'F'; end;
function Main(var V: Variant): Boolean;
var X: Variant; B, R: Boolean;
begin
  B := True; X := True;
  R := B and X; WriteLn('True and True ' + BS(R));
  X := False; R := B and X; WriteLn('True and False ' + BS(R));
  R := B or X; WriteLn('True or False ' + BS(R));
  X := 1; R := B xor X; WriteLn('True xor 1 ' + BS(R));
  V := B and X;
  Result := True;
end;
