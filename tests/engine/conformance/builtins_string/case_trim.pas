{ UpperCase, LowerCase (ASCII), AnsiUpperCase, AnsiLowerCase, Trim. }
function Main(var V: Variant): Boolean;
var
  S: string;
begin
  S := 'Hello, World 123_z';
  WriteLn(UpperCase(S));
  WriteLn(LowerCase(S));
  WriteLn(AnsiUpperCase(S));
  WriteLn(AnsiLowerCase(S));
  S := '  padded  ';
  WriteLn('[' + Trim(S) + ']');
  S := #9#10'  x y '#13#10#0;
  WriteLn('[' + Trim(S) + '] len=' + IntToStr(Length(Trim(S))));
  S := '    ';
  WriteLn('[' + Trim(S) + ']');
  S := '';
  WriteLn('[' + Trim(S) + ']');
  Result := True;
end;
