{ TParser's errors carry the line, the column and the stream offset. }
procedure Show(const What: string);
begin
  WriteLn(What + ': ' + IntToStr(Ord(ExceptionType)) + ' ' + ExceptionParam);
end;

function Main(var V: Variant): Boolean;
var
  M: TMemoryStream;
  P: TParser;
  B: string;
begin
  B := 'abc' + #10 + '  x.yy 5 ''open';
  M := TMemoryStream.Create;
  M.Write(B, Length(B));
  M.Position := 0;
  P := TParser.Create(M);
  try P.CheckToken(ToInteger); except Show('CheckToken'); end;
  try P.CheckTokenSymbol('xyz'); except Show('CheckTokenSymbol'); end;
  P.CheckTokenSymbol('ABC');
  P.CheckToken(toSymbol);
  try P.ErrorStr('bad thing'); except Show('ErrorStr'); end;
  try WriteLn(IntToStr(P.TokenInt)); except Show('TokenInt'); end;
  P.NextToken;
  try P.CheckToken('.'); except Show('CheckToken char'); end;
  P.NextToken;
  try WriteLn(P.TokenComponentIdent); except Show('TokenComponentIdent'); end;
  P.NextToken;
  P.NextToken;
  try P.CheckTokenSymbol('yy'); except Show('CheckTokenSymbol on integer'); end;
  try P.NextToken; except Show('NextToken'); end;
  Result := True;
end;
