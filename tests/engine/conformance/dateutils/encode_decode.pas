{ EncodeDate/EncodeTime/DecodeDate/DecodeTime, DayOfWeek, TryEncodeDate,
  DateTimeToUnix/UnixToDateTime and FormatDateTime on fixed dates. }
function Main(var V: Variant): Boolean;
var
  D: TDateTime;
  Y, M, Dd, H, Mi, S, Ms: Word;
  U: Int64;
begin
  D := EncodeDate(2024, 2, 29);
  WriteLn('serial=' + FloatToStr(D) + ' dow=' + IntToStr(DayOfWeek(D)));
  DecodeDate(D + 1, Y, M, Dd);
  WriteLn('next day=' + IntToStr(Y) + '-' + IntToStr(M) + '-' + IntToStr(Dd));
  D := EncodeDate(1970, 1, 1) + EncodeTime(12, 30, 15, 500);
  DecodeTime(D, H, Mi, S, Ms);
  WriteLn('time=' + IntToStr(H) + ':' + IntToStr(Mi) + ':' + IntToStr(S) + '.' + IntToStr(Ms));
  U := DateTimeToUnix(EncodeDate(2000, 1, 1));
  WriteLn('unix 2000-01-01=' + IntToStr(U));
  D := UnixToDateTime(86400);
  DecodeDate(D, Y, M, Dd);
  WriteLn('unix 86400=' + IntToStr(Y) + '-' + IntToStr(M) + '-' + IntToStr(Dd));
  if TryEncodeDate(2023, 2, 29, D) then WriteLn('2023-02-29 valid') else WriteLn('2023-02-29 invalid');
  if TryEncodeTime(25, 0, 0, 0, D) then WriteLn('25:00 valid') else WriteLn('25:00 invalid');
  WriteLn(FormatDateTime('yyyy-mm-dd hh:nn:ss', EncodeDate(2050, 12, 31) + EncodeTime(23, 59, 58, 0)));
  Result := True;
end;
