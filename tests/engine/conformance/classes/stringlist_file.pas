{ TStringList.SaveToFile writes every line with LF, LoadFromFile reads CR,
  LF and CRLF breaks; through a memory stream too. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  M: TMemoryStream;
begin
  L := TStringList.Create;
  L.Add('one');
  L.Add('');
  L.Add('three');
  L.SaveToFile('/tmp/pscript_case_stringlist_file.txt');
  M := TMemoryStream.Create;
  M.LoadFromFile('/tmp/pscript_case_stringlist_file.txt');
  WriteLn('file size=' + IntToStr(M.Size));
  L.Clear;
  L.LoadFromFile('/tmp/pscript_case_stringlist_file.txt');
  WriteLn('loaded count=' + IntToStr(L.Count) + ' [2]=' + L[2]);
  M.Clear;
  L.SaveToStream(M);
  WriteLn('stream size=' + IntToStr(M.Size));
  M.Position := 0;
  L.Clear;
  L.LoadFromStream(M);
  WriteLn('from stream count=' + IntToStr(L.Count) + ' [0]=' + L[0]);
  try
    L.LoadFromFile('/tmp/pscript_case_no_such_dir/list.txt');
  except
    WriteLn('load: ' + ExceptionParam);
  end;
  M.Free;
  L.Free;
  Result := True;
end;
