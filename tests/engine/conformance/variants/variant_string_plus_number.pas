{ 'n=' + Variant(5): the Variant rules make this a numeric addition, which fails. }
function Main(var V: Variant): Boolean;
var
  X: Variant;
  S: string;
begin
  X := 5;
  S := 'n=' + X;
  WriteLn(S);
  X := 'txt';
  S := X + '!';
  WriteLn(S);
  X := 1.5;
  S := 'r=' + X;
  WriteLn(S);
  Result := True;
end;
