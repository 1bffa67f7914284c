{ AnsiString, NativeString, tbtString and string are the same type. }
function Main(var V: Variant): Boolean;
var
  A: AnsiString;
  N: NativeString;
  T: tbtString;
  S: string;
begin
  A := 'ansi'; N := A; T := N; S := T;
  S := S + A + N + T;
  WriteLn(S + ' ' + IntToStr(Length(S)));
  Result := True;
end;
