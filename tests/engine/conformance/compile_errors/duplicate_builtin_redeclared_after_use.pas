{ A built-in first named inside a routine, then declared by the script. }
procedure P;
var S: string;
begin
  S := IntToStr(5);
end;

function IntToStr(I: Int64): string;
begin
  Result := '';
end;

function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
