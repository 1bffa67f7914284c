{ Constructing an abstract class (TStrings) earns a warning. }
function Main(var V: Variant): Boolean;
var
  S: TStrings;
begin
  S := TStrings.Create;
  S.Free;
  Result := True;
end;
