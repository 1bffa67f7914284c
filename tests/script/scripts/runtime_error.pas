function Initialize(var V: Variant): Boolean;
begin
  Result := True;
end;

{ Fails for element byte 0, converts every other byte. }
function Div_DataToText(var V: Variant): Boolean;
var
  B, Q: Integer;
begin
  B := VarGetIndexed(V, 0);
  Q := 100 div B;
  VarSetIndexed(V, 6, IntToStr(Q));
  Result := True;
end;

function Custom_DataToText(var V: Variant): Boolean;
begin
  RaiseException(erCustomError, 'bad channel data');
  Result := True;
end;

function Plain(X: Integer): Integer;
begin
  Result := X;
end;
