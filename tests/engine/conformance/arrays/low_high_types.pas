{ Low/High return Int64, Length returns Integer (seen through a Variant). }
function Main(var V: Variant): Boolean;
var
  A: array of Integer;
  S: array[3..7] of Byte;
  Str: string;
  X: Variant;
begin
  SetLength(A, 3);
  Str := 'hello';
  X := High(A); WriteLn('High(dyn) type ' + IntToStr(VarType(X)) + ' = ' + IntToStr(X));
  X := Low(A); WriteLn('Low(dyn) type ' + IntToStr(VarType(X)) + ' = ' + IntToStr(X));
  X := Length(A); WriteLn('Length(dyn) type ' + IntToStr(VarType(X)) + ' = ' + IntToStr(X));
  X := High(S); WriteLn('High(static) type ' + IntToStr(VarType(X)) + ' = ' + IntToStr(X));
  X := Low(S); WriteLn('Low(static) = ' + IntToStr(X));
  X := High(Str); WriteLn('High(string) = ' + IntToStr(X));
  X := Length(Str); WriteLn('Length(string) type ' + IntToStr(VarType(X)));
  Result := True;
end;
