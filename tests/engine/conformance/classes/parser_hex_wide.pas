{ TParser.HexToBinary writes byte pairs up to the next other character and
  reads the token after them; #nnn above 127 makes a WideString token (its
  length and first byte show the UTF-8 text). }
function Main(var V: Variant): Boolean;
var
  M, O: TMemoryStream;
  P: TParser;
  B: string;
begin
  B := '{ 4142 43' + #10 + '44 } #200''x'' #300 7 ABC';
  M := TMemoryStream.Create;
  M.Write(B, Length(B));
  M.Position := 0;
  P := TParser.Create(M);
  WriteLn('[' + P.TokenString + ']');
  O := TMemoryStream.Create;
  P.HexToBinary(O);
  WriteLn('[' + P.TokenString + '] ' + IntToStr(Ord(P.Token)) + ' line ' + IntToStr(P.SourceLine));
  O.Position := 0;
  WriteLn('size ' + IntToStr(O.Size) + ' read back [' + TParser.Create(O).TokenString + ']');
  P.NextToken;
  WriteLn(IntToStr(Ord(P.Token)) + ' ' + IntToStr(Length(P.TokenString)) + ' ' + IntToStr(Ord(P.TokenString[1])) + ' pos ' + IntToStr(P.SourcePos));
  P.NextToken;
  WriteLn(IntToStr(Ord(P.Token)) + ' ' + IntToStr(Length(P.TokenString)) + ' pos ' + IntToStr(P.SourcePos));
  P.NextToken;
  try P.HexToBinary(O); except WriteLn(ExceptionParam); end;
  WriteLn('[' + P.TokenString + '] ' + IntToStr(O.Size));
  Result := True;
end;
