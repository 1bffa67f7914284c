{ VarType of a Variant after assigning each kind of value. }
procedure Show(const Name: string; X: Variant);
begin
  WriteLn(Name + ' -> ' + IntToStr(VarType(X)));
end;
function Main(var V: Variant): Boolean;
var
  X: Variant;
  B: Byte; SI: ShortInt; W: Word; SM: SmallInt; I: Integer; C: Cardinal; L: Int64;
  S: Single; D: Double; E: Extended; Cu: Currency;
  Ch: Char; Str: string; WS: WideString; Bo: Boolean;
begin
  B := 1; SI := 1; W := 1; SM := 1; I := 1; C := 1; L := 1;
  S := 1; D := 1; E := 1; Cu := 1; Ch := 'c'; Str := 'str'; WS := 'w'; Bo := True;
  Show('unassigned', X);
  X := B; Show('Byte', X);
  X := SI; Show('ShortInt', X);
  X := W; Show('Word', X);
  X := SM; Show('SmallInt', X);
  X := I; Show('Integer', X);
  X := C; Show('Cardinal', X);
  X := L; Show('Int64', X);
  X := S; Show('Single', X);
  X := D; Show('Double', X);
  X := E; Show('Extended', X);
  X := Cu; Show('Currency', X);
  X := Ch; Show('Char', X);
  X := Str; Show('string', X);
  X := WS; Show('WideString', X);
  X := Bo; Show('Boolean', X);
  X := Null; Show('Null', X);
  X := Unassigned; Show('Unassigned', X);
  X := 5; Show('literal 5', X);
  X := 'lit'; Show('literal string', X);
  X := 2.5; Show('literal 2.5', X);
  X := True; Show('literal True', X);
  Result := True;
end;
