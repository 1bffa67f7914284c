{ TStringStream filled through Write and CopyFrom (the reference counts a
  terminator in the size of a TStringStream made from a non-empty text, so
  the case starts from an empty one). }
function Main(var V: Variant): Boolean;
var
  S: TStringStream;
  M: TMemoryStream;
  B: string;
begin
  M := TMemoryStream.Create;
  B := 'abcdef';
  WriteLn('written=' + IntToStr(M.Write(B, 6)));
  M.Position := 0;
  S := TStringStream.Create('');
  WriteLn('copied=' + IntToStr(S.CopyFrom(M, 0)) + ' size=' + IntToStr(S.Size) + ' pos=' + IntToStr(S.Position));
  S.Position := 2;
  WriteLn('read=' + IntToStr(S.Read(B, 3)) + ' pos=' + IntToStr(S.Position));
  WriteLn('read past end=' + IntToStr(S.Read(B, 10)) + ' pos=' + IntToStr(S.Position));
  S.Free;
  M.Free;
  Result := True;
end;
