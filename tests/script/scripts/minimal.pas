{ Only function declarations: no main block, no closing "end." }
function Initialize(var V: Variant): Boolean;
begin
  Result := True;
end;

function Double_DataToText(var V: Variant): Boolean;
var
  B: Integer;
begin
  B := VarGetIndexed(V, 0);
  VarSetIndexed(V, 6, IntToStr(B * 2));
  Result := B <> 13;
end;
