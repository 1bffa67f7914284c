{ A small channel table: records in a dynamic array, insertion sort by
  number then name (no short-circuit: the loop guards the index itself),
  binary search, and a formatted listing. }
type
  TChannel = record
    Number: Integer;
    Name: string;
    Freq: Cardinal;
  end;
  TChannels = array of TChannel;

procedure Add(var L: TChannels; N: Integer; const Name: string; F: Cardinal);
var
  K: Integer;
begin
  K := Length(L);
  SetLength(L, K + 1);
  L[K].Number := N;
  L[K].Name := Name;
  L[K].Freq := F;
end;

function Less(const A, B: TChannel): Boolean;
begin
  if A.Number <> B.Number then
    Result := A.Number < B.Number
  else
    Result := A.Name < B.Name;
end;

procedure Sort(var L: TChannels);
var
  I, J: Integer;
  T: TChannel;
begin
  for I := 1 to High(L) do
  begin
    T := L[I];
    J := I - 1;
    while J >= 0 do
    begin
      if not Less(T, L[J]) then Break;
      L[J + 1] := L[J];
      J := J - 1;
    end;
    L[J + 1] := T;
  end;
end;

function Find(const L: TChannels; N: Integer): Integer;
var
  Lo, Hi, Mid: Integer;
begin
  Result := -1;
  Lo := 0; Hi := High(L);
  while Lo <= Hi do
  begin
    Mid := (Lo + Hi) div 2;
    if L[Mid].Number = N then
    begin
      Result := Mid;
      Exit;
    end;
    if L[Mid].Number < N then Lo := Mid + 1 else Hi := Mid - 1;
  end;
end;

function Main(var V: Variant): Boolean;
var
  L: TChannels;
  I: Integer;
begin
  Add(L, 12, 'News', 11778);
  Add(L, 3, 'Sport', 12188);
  Add(L, 7, 'Movies', 10744);
  Add(L, 3, 'Arte', 10744);
  Add(L, 100, 'Radio', 3000000000);
  Add(L, 1, 'One', 0);
  Sort(L);
  for I := 0 to High(L) do
    WriteLn(PadL(IntToStr(L[I].Number), 4) + ' ' + PadR(L[I].Name, 8) + '|' + PadZ(IntToHexStr(L[I].Freq), 8) + ' ' + IntToStr(L[I].Freq));
  WriteLn('find 7 -> ' + IntToStr(Find(L, 7)) + ', find 8 -> ' + IntToStr(Find(L, 8)) + ', find 100 -> ' + IntToStr(Find(L, 100)));
  Result := True;
end;
