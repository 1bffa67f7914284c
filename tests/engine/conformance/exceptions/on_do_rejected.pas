{ There is no "on E: Exception do" in this dialect. }
function Main(var V: Variant): Boolean;
begin
  try
    Result := True;
  except
    on E: Exception do Result := False;
  end;
end;
