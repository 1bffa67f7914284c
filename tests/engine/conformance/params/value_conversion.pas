{ Value parameters convert the argument to the declared type. }
function TakeByte(B: Byte): Integer;
begin
  Result := B;
end;
function TakeDouble(D: Double): string;
begin
  Result := FloatToStr(D);
end;
function TakeString(S: string): Integer;
begin
  Result := Length(S);
end;
function TakeVariant(X: Variant): Integer;
begin
  Result := VarType(X);
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
  C: Char;
begin
  I := 300;
  WriteLn('Byte param from 300: ' + IntToStr(TakeByte(I)));
  WriteLn('Double param from int: ' + TakeDouble(I));
  C := 'x';
  WriteLn('string param from char: ' + IntToStr(TakeString(C)));
  WriteLn('variant param from int: ' + IntToStr(TakeVariant(I)) + ' from string: ' + IntToStr(TakeVariant('s')));
  Result := True;
end;
