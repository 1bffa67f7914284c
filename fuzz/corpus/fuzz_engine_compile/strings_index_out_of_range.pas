{ Reading a string index past its length is a run-time error. }
function Main(var V: Variant): Boolean;
var
  S: string;
  C: Char;
begin
  S := 'abc';
  C := S[4];
  WriteLn('read ' + C);
  Result := True;
end;
