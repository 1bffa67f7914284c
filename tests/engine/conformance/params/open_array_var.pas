{ A var open array parameter modifies the caller's array elements. }
procedure Fill(var A: array of Integer; V: Integer);
var
  I: Integer;
begin
  for I := Low(A) to High(A) do A[I] := V + I;
end;
function Main(var V: Variant): Boolean;
var
  D: array of Integer;
begin
  SetLength(D, 3);
  Fill(D, 10);
  WriteLn(IntToStr(D[0]) + ' ' + IntToStr(D[1]) + ' ' + IntToStr(D[2]));
  Result := True;
end;
