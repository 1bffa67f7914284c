{ TParser's floats (the reference returns 0 for every TokenFloat), then
  freeing the parser leaves the stream at the start of the current token. }
function Main(var V: Variant): Boolean;
var
  M: TMemoryStream;
  P: TParser;
  B: string;
begin
  B := '3.5e2 1.25d 2.5.1 -0.5 $10 word rest';
  M := TMemoryStream.Create;
  M.Write(B, Length(B));
  M.Position := 0;
  P := TParser.Create(M);
  while P.Token = toFloat do
  begin
    WriteLn('[' + P.TokenString + '] ' + FloatToStr(P.TokenFloat));
    P.NextToken;
  end;
  WriteLn('[' + P.TokenString + '] ' + IntToStr(Ord(P.Token)));
  P.NextToken;
  WriteLn('[' + P.TokenString + '] ' + FloatToStr(P.TokenFloat));
  P.NextToken;
  WriteLn('[' + P.TokenString + '] ' + FloatToStr(P.TokenFloat));
  P.NextToken;
  try
    WriteLn(FloatToStr(P.TokenFloat));
  except
    WriteLn('caught ' + ExceptionParam);
  end;
  WriteLn('stream at ' + IntToStr(M.Position));
  P.Free;
  WriteLn('after Free ' + IntToStr(M.Position));
  M.Free;
  Result := True;
end;
