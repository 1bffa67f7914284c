{ Nor of a built-in the script has called already. }
var S: string; function F: Integer; begin S := IntToStr(1); Result := 0; end; var IntToStr: Integer;
function Main(var V: Variant): Boolean;
begin
  Result := True;
end;
