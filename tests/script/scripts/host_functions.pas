{ The host functions as scripts call them. Each test function leaves its
  findings in V; a file or memory test gets its file name in V. }
function Initialize(var V: Variant): Boolean;
begin
  Result := True;
end;

function Hex(var V: Variant): Boolean;
begin
  V := IntToHexStr(255) + ',' + IntToHexStr(0) + ',' + IntToHexStr(-1);
  Result := True;
end;

function ValIntOf(var V: Variant): Boolean;
var
  S: string;
  N, Code: Integer;
begin
  S := V;
  ValInt(S, N, Code);
  V := IntToStr(N) + '/' + IntToStr(Code);
  Result := True;
end;

function ValExtOf(var V: Variant): Boolean;
var
  S: string;
  E: Extended;
  Code: Integer;
begin
  S := V;
  ValExt(S, E, Code);
  V := Format('%.3f/%d', [E, Code]);
  Result := True;
end;

function Strings(var V: Variant): Boolean;
var
  S, Sub, Empty: string;
begin
  S := 'freq;11778;rest';
  Sub := ';';
  Empty := '';
  Delete(S, 0, 2);
  Delete(S, 99, 2);
  Delete(S, 3, -1);
  V := IntToStr(Pos(Sub, S)) + ',' + IntToStr(Pos(Empty, S)) + ',' + Copy(S, -3, 4) + ',' + Copy(S, 99, 1) + ',' +
       Copy(S, 2, 0) + ',';
  Delete(S, 5, 100);
  V := V + S;
  Result := True;
end;

function Formats(var V: Variant): Boolean;
var
  I: Integer;
  D: Double;
begin
  I := -42;
  D := 1234567.891;
  V := Format('%d|%5d|%-5d|%.5d|%x|%u|%s|%.2f|%n|%1:d|%%', [I, I, I, I, I, I, 'abc', D, D]);
  Result := True;
end;

function FormatWrongType(var V: Variant): Boolean;
begin
  V := Format('%d', ['text']);
  Result := True;
end;

function FormatMissingArgument(var V: Variant): Boolean;
begin
  V := Format('%d %d', [1]);
  Result := True;
end;

function ArrayElement(var V: Variant): Boolean;
var
  Index: Integer;
begin
  Index := VarGetIndexed(V, 0);
  V := VarGetIndexed(V, Index);
  Result := True;
end;

function NonArrayElement(var V: Variant): Boolean;
begin
  V := VarGetIndexed(V, 99);
  Result := True;
end;

function SetOutside(var V: Variant): Boolean;
begin
  VarSetIndexed(V, 7, 99);
  VarSetIndexed(V, -1, 99);
  VarSetIndexed(V, 6, 'inside');
  Result := True;
end;

function SizeOf_(var V: Variant): Boolean;
begin
  V := IntToStr(VarArraySize(V)) + ',' + IntToStr(Ord(VarIsArray(V)));
  Result := True;
end;

function WriteFile(var V: Variant): Boolean;
var
  H, I, N1, N2, N3, N4, N5: Integer;
  B: Variant;
  Bt: Byte;
begin
  H := FileCreate(V);
  N1 := FileWrite(H, 'abc', 10);
  N2 := FileWrite(H, 'xyz', 2);
  I := $64636261;
  B := I;
  N3 := FileWrite(H, B, 3);
  B := Bt;
  N4 := FileWrite(H, B, 1);
  B := Null;
  N5 := FileWrite(H, B, 1);
  FileClose(H);
  V := Format('%d,%d,%d,%d,%d', [N1, N2, N3, N4, N5]);
  Result := True;
end;

{ The file holds the bytes 01 02 03 04 05 06 07 08 09 0A. }
function ReadFile(var V: Variant): Boolean;
var
  H, I, X, Y, N1, N2, N3, N4, P, Code: Integer;
  C: Variant;
  Bt: Byte;
  S: string;
begin
  H := FileOpen(V, 0);
  I := 0;
  C := I;
  N1 := FileRead(H, C, 2);
  X := C;
  FileSeek(H, 0, 0);
  C := I;
  N2 := FileRead(H, C, 10);
  Y := C;
  C := Bt;
  N3 := FileRead(H, C, 1);
  S := 'x';
  C := S;
  P := FileSeek(H, -3, 2);
  N4 := FileRead(H, C, 100);
  S := C;
  FileClose(H);
  { Ord as the whole of an argument only relabels the character, so take the number first. }
  Code := Ord(S[3]);
  V := Format('%d,%x,%d,%x,%d,%d,%d,%d,%d', [N1, X, N2, Y, N3, P, N4, Length(S), Code]);
  Result := True;
end;

function OpenRefused(var V: Variant): Boolean;
var
  A, B, C, D: Integer;
begin
  A := FileOpen(V, 3);
  B := FileOpen(V, $50);
  C := FileOpen(V, $42);
  D := FileOpen(V + '.absent', 0);
  FileClose(C);
  V := Format('%d,%d,%d', [A, B, D]) + ',' + IntToStr(Ord(C >= 0));
  Result := True;
end;

function Memory(var V: Variant): Boolean;
var
  P, Q, Z: Integer;
begin
  GetMem(P, 4);
  GetMem(Q, 2);
  GetMem(Z, 0);
  WriteMem(P, 200);
  WriteMem(P + 3, 7);
  WriteMem(Q + 1, 9);
  V := Format('%d,%d,%d,%d,%d', [ReadMem(P), ReadMem(P + 3), ReadMem(Q + 1), Z, Ord(P <> Q)]);
  FreeMem(P);
  FreeMem(Q);
  FreeMem(Z);
  Result := True;
end;

function ReadPastBlock(var V: Variant): Boolean;
var
  P: Integer;
begin
  GetMem(P, 4);
  V := ReadMem(P + 4);
  Result := True;
end;

function ReadAfterFree(var V: Variant): Boolean;
var
  P: Integer;
begin
  GetMem(P, 4);
  FreeMem(P);
  V := ReadMem(P);
  Result := True;
end;

function DoubleFree(var V: Variant): Boolean;
var
  P: Integer;
begin
  GetMem(P, 4);
  FreeMem(P);
  FreeMem(P);
  Result := True;
end;

function WriteToBadHandle(var V: Variant): Boolean;
begin
  WriteMem(12345, 1);
  Result := True;
end;

function KeepBlock(var V: Variant): Boolean;
var
  P: Integer;
begin
  GetMem(P, 1000);
  Result := True;
end;

function Ticks(var V: Variant): Boolean;
begin
  V := GetTickCount;
  Result := True;
end;

function Wait1500(var V: Variant): Boolean;
begin
  Delay(1500);
  Result := True;
end;

function Ask(var V: Variant): Boolean;
begin
  V := MessageBox('Overwrite?', 'Tarno', 4 + 256);
  Result := True;
end;

function Dates(var V: Variant): Boolean;
var
  D: TDateTime;
  Y, M, Dd, H, Mi, S, Ms: Word;
begin
  D := EncodeDate(2024, 2, 29);
  V := FloatToStr(D) + ',' + IntToStr(DayOfWeek(D));
  DecodeDate(D + 1, Y, M, Dd);
  V := V + Format(',%d-%d-%d', [Y, M, Dd]);
  D := EncodeDate(1970, 1, 1) + EncodeTime(12, 30, 15, 500);
  DecodeTime(D, H, Mi, S, Ms);
  V := V + Format(',%d:%d:%d.%d', [H, Mi, S, Ms]);
  V := V + ',' + IntToStr(DateTimeToUnix(EncodeDate(2000, 1, 1)));
  DecodeDate(UnixToDateTime(86400), Y, M, Dd);
  V := V + Format(',%d-%d-%d', [Y, M, Dd]);
  V := V + ',' + IntToStr(Ord(TryEncodeDate(2023, 2, 29, D))) + IntToStr(Ord(TryEncodeTime(25, 0, 0, 0, D)));
  V := V + ',' + FormatDateTime('yyyy-mm-dd hh:nn:ss', EncodeDate(2050, 12, 31) + EncodeTime(23, 59, 58, 0));
  V := V + ',' + DateToStr(EncodeDate(2024, 2, 9)) + ',' + FloatToStr(StrToDate('9-2-2024'));
  Result := True;
end;

function Clock(var V: Variant): Boolean;
var
  N, D, T: TDateTime;
begin
  D := Date;
  N := Now;
  T := Time;
  V := IntToStr(Ord((N >= D) and (N < D + 1))) + IntToStr(Ord(Int(D) = D)) + IntToStr(Ord((T >= 0) and (T < 1)));
  Result := True;
end;

function BadDate(var V: Variant): Boolean;
begin
  V := EncodeDate(2023, 13, 1);
  Result := True;
end;

function OpenAndKeep(var V: Variant): Boolean;
begin
  Result := FileOpen(V, 0) >= 0;
end;

{ A descriptor the script did not open is not its to use. }
function CloseForeign(var V: Variant): Boolean;
var
  H: Integer;
  S: string;
  C: Variant;
begin
  H := V;
  S := 'x';
  C := S;
  V := IntToStr(FileRead(H, C, 1)) + ',' + IntToStr(FileSeek(H, 0, 0));
  FileClose(H);
  Result := True;
end;

{ Character literals and wide strings reach the 8-bit string parameters converted. }
function CharArguments(var V: Variant): Boolean;
var
  W: WideString;
  S: string;
begin
  W := 'wide;text';
  S := 'a;b';
  Delete(S, 1, 1);
  V := IntToStr(Pos(';', 'a;b')) + ',' + Copy('x', 1, 1) + ',' + IntToStr(Pos(';', W)) + ',' + Copy(W, 1, 4) + ',' + S;
  Result := True;
end;
