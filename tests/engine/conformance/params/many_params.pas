{ A routine with many parameters of mixed types and modes. }
function Mix(A: Byte; B: Integer; C: Int64; D: Double; E: string; F: Char;
  var G: Integer; const H: string; I: Boolean; J: Variant): string;
begin
  G := G + A + B;
  Result := IntToStr(A) + '|' + IntToStr(B) + '|' + IntToStr(C) + '|' + FloatToStr(D) + '|' + E + '|' + F + '|' + H;
  if I then Result := Result + '|T' else Result := Result + '|F';
  Result := Result + '|' + IntToStr(VarType(J));
end;
function Main(var V: Variant): Boolean;
var
  G: Integer;
begin
  G := 1;
  WriteLn(Mix(255, -7, 5000000000, 0.5, 'str', 'c', G, 'const', True, 'v'));
  WriteLn('G=' + IntToStr(G));
  Result := True;
end;
