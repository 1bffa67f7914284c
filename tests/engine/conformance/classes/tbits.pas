{ TBits: Size, Bits[], OpenBit; a bit past the size reads False and a write
  there grows the set. }
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  T: TBits;
begin
  T := TBits.Create;
  WriteLn('size=' + IntToStr(T.Size));
  T.Size := 4;
  T.Bits[0] := True;
  T.Bits[1] := True;
  WriteLn('open=' + IntToStr(T.OpenBit) + ' bit1=' + BS(T.Bits[1]) + ' bit2=' + BS(T.Bits[2]));
  T.Bits[9] := True;
  WriteLn('size after write=' + IntToStr(T.Size) + ' bit20=' + BS(T.Bits[20]));
  T.Size := 1;
  WriteLn('shrunk size=' + IntToStr(T.Size) + ' open=' + IntToStr(T.OpenBit));
  try
    T.Bits[-1] := True;
  except
    WriteLn('negative: ' + ExceptionParam);
  end;
  T.Free;
  Result := True;
end;
