{ GetArrayLength and SetArrayLength: the old names for Length/SetLength. }
function Main(var V: Variant): Boolean;
var
  A: array of string;
begin
  SetArrayLength(A, 4);
  A[3] := 'last';
  WriteLn('len=' + IntToStr(GetArrayLength(A)) + ' ' + A[3]);
  SetArrayLength(A, 1);
  WriteLn('len=' + IntToStr(GetArrayLength(A)));
  Result := True;
end;
