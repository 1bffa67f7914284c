{ Open array parameters: called with a literal list, a dynamic array, a static array. }
function Sum(const A: array of Integer): Integer;
var
  I: Integer;
begin
  Result := 0;
  for I := 0 to High(A) do
    Result := Result + A[I];
end;
function Count(A: array of string): Integer;
begin
  Result := Length(A);
end;
function Main(var V: Variant): Boolean;
var
  D: array of Integer;
begin
  WriteLn('literal=' + IntToStr(Sum([1, 2, 3, 4])));
  WriteLn('empty=' + IntToStr(Sum([])));
  SetLength(D, 3); D[0] := 5; D[1] := 6; D[2] := 7;
  WriteLn('dynamic=' + IntToStr(Sum(D)));
  WriteLn('strings=' + IntToStr(Count(['a', 'b'])));
  Result := True;
end;
