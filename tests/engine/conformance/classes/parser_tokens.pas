{ TParser over a memory stream: every kind of token with its text, line and
  stream offset (the offset just past the token). }
function Main(var V: Variant): Boolean;
var
  M: TMemoryStream;
  P: TParser;
  B: string;
  T: Char;
begin
  B := 'Name = 12 + $1F - -7 ' + #13#10 + '''it''''s'' #65#66''c'' (x_1)' + #10 +
    #9'  Form1.Button.Caption; 007 * 99999999999';
  M := TMemoryStream.Create;
  M.Write(B, Length(B));
  M.Position := 0;
  P := TParser.Create(M);
  T := P.Token;
  while T <> toEOF do
  begin
    WriteLn(IntToStr(Ord(T)) + ' [' + P.TokenString + '] line ' + IntToStr(P.SourceLine) +
      ' pos ' + IntToStr(P.SourcePos));
    if T = ToInteger then WriteLn('  int ' + IntToStr(P.TokenInt));
    if P.TokenSymbolIs('form1') then WriteLn('  ident ' + P.TokenComponentIdent + ' pos ' + IntToStr(P.SourcePos));
    T := P.NextToken;
  end;
  WriteLn('at end: [' + P.TokenString + '] ' + IntToStr(Ord(P.NextToken)) + ' line ' + IntToStr(P.SourceLine));
  Result := True;
end;
