{ CRC-32 (IEEE) with a table: Cardinal arithmetic, shifts, xor, static arrays. }
var
  Table: array[0..255] of Cardinal;

procedure BuildTable;
var
  I, K: Integer;
  C: Cardinal;
begin
  for I := 0 to 255 do
  begin
    C := I;
    for K := 1 to 8 do
      if (C and 1) <> 0 then
        C := (C shr 1) xor $EDB88320
      else
        C := C shr 1;
    Table[I] := C;
  end;
end;

function Crc32(const S: string): Cardinal;
var
  I: Integer;
  C: Cardinal;
begin
  C := $FFFFFFFF;
  for I := 1 to Length(S) do
    C := Table[(C xor Ord(S[I])) and $FF] xor (C shr 8);
  Result := C xor $FFFFFFFF;
end;

function Main(var V: Variant): Boolean;
begin
  BuildTable;
  WriteLn('table[1]=' + IntToHexStr(Table[1]) + ' table[255]=' + IntToHexStr(Table[255]));
  WriteLn('crc("")=' + IntToHexStr(Crc32('')));
  WriteLn('crc("123456789")=' + IntToHexStr(Crc32('123456789')));
  WriteLn('crc("The quick brown fox jumps over the lazy dog")=' + IntToHexStr(Crc32('The quick brown fox jumps over the lazy dog')));
  WriteLn('as decimal ' + IntToStr(Crc32('123456789')));
  Result := True;
end;
