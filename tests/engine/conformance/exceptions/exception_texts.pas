{ ExceptionToString for every TIFException kind, with and without a param. }
procedure Show(E: TIFException);
begin
  WriteLn(IntToStr(Ord(E)) + ': [' + ExceptionToString(E, '') + '] [' + ExceptionToString(E, 'P') + ']');
end;
function Main(var V: Variant): Boolean;
var
  E: TIFException;
begin
  E := ErNoError;
  while True do
  begin
    Show(E);
    if E = erCustomError then Break;
    E := Succ(E);
  end;
  Result := True;
end;
