{ Every activation has its own locals and parameters; var parameters through recursion. }
procedure Collect(N: Integer; var Acc: string);
var
  Mine: string;
begin
  Mine := 'n' + IntToStr(N);
  if N > 0 then Collect(N - 1, Acc);
  Acc := Acc + Mine + ' ';
end;
function Main(var V: Variant): Boolean;
var
  S: string;
begin
  S := '';
  Collect(5, S);
  WriteLn(S);
  Result := True;
end;
