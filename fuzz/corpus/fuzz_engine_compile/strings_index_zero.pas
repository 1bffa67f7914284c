{ Index 0 of a string is out of range. }
function Main(var V: Variant): Boolean;
var
  S: string;
  I: Integer;
begin
  S := 'abc';
  I := 0;
  S[I] := 'z';
  WriteLn(S);
  Result := True;
end;
