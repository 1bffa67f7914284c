{ ByteBool, WordBool and LongBool assign to and from Boolean; in a Variant
  they are a Byte, a Word and a LongWord; not and xor of one kind work. }
procedure Show(const Tag: string; X: Variant);
var
  S: string;
begin
  S := X;
  WriteLn(Tag + ' ' + IntToStr(VarType(X)) + ' ' + S);
end;
function Main(var V: Variant): Boolean;
var
  B: Boolean;
  BB: ByteBool;
  WB: WordBool;
  LB: LongBool;
  X: Variant;
begin
  B := True; BB := B; WB := BB; LB := WB;
  X := BB; Show('ByteBool', X);
  X := WB; Show('WordBool', X);
  X := LB; Show('LongBool', X);
  LB := not LB; B := LB; if not B then WriteLn('not LongBool');
  WB := WB xor WB; if not WB then WriteLn('WordBool xor itself');
  LB := 1 = 1; if LB then WriteLn('comparison into LongBool');
  Result := B or True;
end;
