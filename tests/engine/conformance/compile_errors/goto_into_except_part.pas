{ goto from the try part into the except part of the same statement. }
function Main(var V: Variant): Boolean;
label
  H;
begin
  try
    goto H;
  except
  H:
    WriteLn('handler');
  end;
  Result := True;
end;
