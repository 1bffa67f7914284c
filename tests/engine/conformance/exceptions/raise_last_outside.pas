{ RaiseLastException with no pending exception. }
function Main(var V: Variant): Boolean;
begin
  RaiseLastException;
  WriteLn('continued');
  Result := True;
end;
