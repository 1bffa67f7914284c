{ TFileStream writes a fixed file under /tmp, then reads it back; opening a
  missing file fails with the RTL's text. }
function Main(var V: Variant): Boolean;
var
  F: TFileStream;
  B: string;
begin
  F := TFileStream.Create('/tmp/pscript_case_file_stream.txt', fmCreate);
  B := 'hello world';
  WriteLn('wrote ' + IntToStr(F.Write(B, 11)) + ' pos=' + IntToStr(F.Position) + ' size=' + IntToStr(F.Size));
  F.WriteBuffer('!!', 2);
  F.Free;
  F := TFileStream.Create('/tmp/pscript_case_file_stream.txt', fmOpenRead);
  WriteLn('size=' + IntToStr(F.Size));
  WriteLn('read ' + IntToStr(F.Read(B, 5)) + ' pos=' + IntToStr(F.Position));
  WriteLn('seek ' + IntToStr(F.Seek(-3, soFromEnd)));
  WriteLn('read past end ' + IntToStr(F.Read(B, 10)));
  try
    F.ReadBuffer(B, 1);
  except
    WriteLn('ReadBuffer: ' + ExceptionParam);
  end;
  F.Free;
  try
    F := TFileStream.Create('/tmp/pscript_case_no_such_dir/x.txt', fmOpenRead);
  except
    WriteLn('open: ' + ExceptionParam);
  end;
  Result := True;
end;
