{ StrGet2 (by-value string) reads a character like StrGet.  The reference
  engine declares it but never registers it, so the script fails to load with
  "Cannot Import STRGET2": deliberate difference, see README. }
function Main(var V: Variant): Boolean;
var
  S: string;
begin
  S := 'xyz';
  WriteLn('StrGet2=' + StrGet2(S, 2));
  Result := True;
end;
