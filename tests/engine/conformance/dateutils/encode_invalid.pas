{ EncodeDate with an invalid date raises an exception (caught; the RTL's
  message text is not printed). }
function Main(var V: Variant): Boolean;
var
  D: TDateTime;
begin
  try
    D := EncodeDate(2023, 13, 1);
    WriteLn(FloatToStr(D));
  except
    WriteLn('caught kind ' + IntToStr(Ord(ExceptionType)));
  end;
  Result := True;
end;
