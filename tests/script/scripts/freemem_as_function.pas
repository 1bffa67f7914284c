{ GetMem and FreeMem are procedures: their declared result is not seen. }
function Initialize(var V: Variant): Boolean;
var
  P: Integer;
  B: Boolean;
begin
  GetMem(P, 4);
  B := FreeMem(P);
  Result := B;
end;
