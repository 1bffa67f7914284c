{ How the runner prints V: a variant array whose elements hold every basic
  type (type names, number and string forms). }
function Main(var V: Variant): Boolean;
var
  A: TVariantArray;
  B: Byte; SI: ShortInt; W: Word; SM: SmallInt; I: Integer; C: Cardinal; L: Int64;
  S: Single; D: Double; Cu: Currency; Ch: Char; Str: string; WS: WideString; Bo: Boolean;
begin
  B := 200; SI := -100; W := 60000; SM := -30000; I := -2000000000; C := 4000000000;
  L := -9000000000; S := 0.5; D := -1234.5678; Cu := 12.3456; Ch := 'c'; Str := 'it''s';
  WS := 'wide'; Bo := False;
  SetLength(A, 17);
  A[0] := B; A[1] := SI; A[2] := W; A[3] := SM; A[4] := I; A[5] := C; A[6] := L;
  A[7] := S; A[8] := D; A[9] := Cu; A[10] := Ch; A[11] := Str; A[12] := WS; A[13] := Bo;
  A[14] := Null; A[15] := Unassigned; D := 1e-7; A[16] := D;
  V := A;
  Result := True;
end;
