{ TMemoryStream: WriteBuffer, Size, Position, Seek, SetSize, CopyFrom,
  SaveToFile/LoadFromFile through a fixed file under /tmp. Read and Write
  take the buffer by value: only counts come back. }
function Main(var V: Variant): Boolean;
var
  M, Dup: TMemoryStream;
  B: string;
begin
  M := TMemoryStream.Create;
  B := 'hello world';
  M.WriteBuffer(B, 11);
  WriteLn('size=' + IntToStr(M.Size) + ' pos=' + IntToStr(M.Position));
  WriteLn('seek end-5=' + IntToStr(M.Seek(-5, soFromEnd)));
  WriteLn('seek cur+2=' + IntToStr(M.Seek(2, soFromCurrent)));
  WriteLn('seek start+1=' + IntToStr(M.Seek(1, soFromBeginning)));
  M.Position := 0;
  Dup := TMemoryStream.Create;
  WriteLn('copied=' + IntToStr(Dup.CopyFrom(M, 4)) + ' copy size=' + IntToStr(Dup.Size) + ' source pos=' + IntToStr(M.Position));
  WriteLn('copied all=' + IntToStr(Dup.CopyFrom(M, 0)) + ' copy size=' + IntToStr(Dup.Size));
  M.SaveToFile('/tmp/pscript_case_memory_stream.bin');
  Dup.Clear;
  WriteLn('cleared size=' + IntToStr(Dup.Size));
  Dup.LoadFromFile('/tmp/pscript_case_memory_stream.bin');
  WriteLn('loaded size=' + IntToStr(Dup.Size) + ' pos=' + IntToStr(Dup.Position));
  Dup.SetSize(3);
  WriteLn('set size=' + IntToStr(Dup.Size));
  Dup.Size := 20;
  WriteLn('size property=' + IntToStr(Dup.Size));
  Dup.Free;
  M.Free;
  Result := True;
end;
