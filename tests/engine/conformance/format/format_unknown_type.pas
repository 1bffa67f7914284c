{ An unknown placeholder type or a lone "%" at the end of the format is an
  error here; the reference prints nothing for them. }
function Main(var V: Variant): Boolean;
begin
  try WriteLn('[' + Format('%z', [1]) + ']'); except WriteLn(ExceptionParam); end;
  try WriteLn('[' + Format('abc%', [1]) + ']'); except WriteLn(ExceptionParam); end;
  Result := True;
end;
