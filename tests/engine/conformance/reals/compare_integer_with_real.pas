{ Comparing an integer of any width with any real, and Currency arithmetic
  with a Cardinal or Int64 operand, compare and compute by value. (The
  reference fails the comparisons unless the left side is an Integer and the
  right no Currency - a native Type Mismatch - and reads the Currency as a
  Double in Currency + Cardinal.) }
function BS(B: Boolean): string; begin if B then Result := 'T' else Result := 'F'; end;
function Main(var V: Variant): Boolean;
var B: Byte; SI: ShortInt; W: Word; C: Cardinal; L: Int64; I: Integer; D: Double; S: Single; Cu: Currency; R: Double;
begin
  B := 7; SI := -7; W := 7; C := 7; L := 7; I := 7; D := 2.5; S := 2.5; Cu := 2.5;
  WriteLn('Byte 7 < 2.5 ' + BS(B < D) + ', >= ' + BS(B >= S) + ', = ' + BS(B = Cu));
  WriteLn('ShortInt -7 < 2.5 ' + BS(SI < D) + ', Word 7 > 2.5 ' + BS(W > D));
  WriteLn('Cardinal 7 > 2.5 ' + BS(C > D) + ', Int64 7 <= 2.5 ' + BS(L <= S));
  WriteLn('Integer 7 > Currency 2.5 ' + BS(I > Cu) + ', Integer 7 > Double 2.5 ' + BS(I > D));
  R := Cu + C; WriteLn('Currency + Cardinal ' + FloatToStr(R));
  R := Cu * L; WriteLn('Currency * Int64 ' + FloatToStr(R));
  R := Cu / C; WriteLn('Currency / Cardinal ' + FloatToStr(R));
  Result := True;
end;
