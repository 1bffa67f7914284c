{ TStringList, a memory stream and the date functions together: a small
  report with fixed dates, its text written to a stream and through a file
  under /tmp. (The reference crashes in TFileStream and in TStrings'
  stream and file methods, so the text goes through WriteBuffer.) }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  M, Back: TMemoryStream;
  D: TDateTime;
  Y, Mo, Dy: Word;
  I: Integer;
  S: string;
begin
  L := TStringList.Create;
  for I := 0 to 2 do
  begin
    D := EncodeDate(2024, 2, 28) + I;
    DecodeDate(D, Y, Mo, Dy);
    L.Add(FormatDateTime('yyyy-mm-dd', D) + '=' + IntToStr(Dy) + '/' + IntToStr(Mo));
  end;
  L.Add(FormatDateTime('dd.mm.yyyy hh:nn', EncodeDate(1999, 12, 31) + EncodeTime(23, 59, 0, 0)));
  for I := 0 to L.Count - 1 do WriteLn(IntToStr(I) + ': ' + L[I]);
  WriteLn('leap day=' + L.Values['2024-02-29'] + ' name of 3=' + L.Names[2]);
  S := L.Text;
  M := TMemoryStream.Create;
  M.WriteBuffer(S, Length(S));
  WriteLn('text length=' + IntToStr(Length(S)) + ' stream size=' + IntToStr(M.Size));
  M.SaveToFile('/tmp/pscript_case_date_report.txt');
  Back := TMemoryStream.Create;
  Back.LoadFromFile('/tmp/pscript_case_date_report.txt');
  WriteLn('file size=' + IntToStr(Back.Size));
  L.Sorted := True;
  WriteLn('first sorted=' + L[0] + ' last=' + L[L.Count - 1]);
  Back.Free;
  M.Free;
  L.Free;
  Result := True;
end;
