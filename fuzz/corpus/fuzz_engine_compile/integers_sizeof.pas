{ SizeOf gives the engine's storage size of each type. }
type
  TRec = record
    A: Byte;
    B: Integer;
  end;
function Main(var V: Variant): Boolean;
var
  B: Byte; W: Word; I: Integer; L: Int64; C: Cardinal; SI: ShortInt; SM: SmallInt;
  D: Double; S: Single; E: Extended; Cu: Currency;
  Ch: Char; WC: WideChar; Bo: Boolean;
begin
  WriteLn('Byte=' + IntToStr(SizeOf(B)) + ' Word=' + IntToStr(SizeOf(W)) + ' Integer=' + IntToStr(SizeOf(I)));
  WriteLn('Int64=' + IntToStr(SizeOf(L)) + ' Cardinal=' + IntToStr(SizeOf(C)) + ' ShortInt=' + IntToStr(SizeOf(SI)) + ' SmallInt=' + IntToStr(SizeOf(SM)));
  WriteLn('Double=' + IntToStr(SizeOf(D)) + ' Single=' + IntToStr(SizeOf(S)) + ' Currency=' + IntToStr(SizeOf(Cu)));
  WriteLn('Char=' + IntToStr(SizeOf(Ch)) + ' WideChar=' + IntToStr(SizeOf(WC)) + ' Boolean=' + IntToStr(SizeOf(Bo)));
  Result := True;
end;
