// TStringList's OnChanging and OnChange around each change, held back by
// BeginUpdate until the outermost EndUpdate; a handler sees the list as its
// Sender and may itself change other lists.
var SL, Log: TStringList; N: Integer;

procedure Changed(Sender: TObject);
begin
  N := N + 1;
  WriteLn('  changed, count ' + IntToStr(TStringList(Sender).Count));
end;

procedure Changing(Sender: TObject);
begin
  if Sender = SL then Log.Add('changing');
end;

function Main(var V: Variant): Boolean;
var E: TNotifyEvent;
begin
  SL := TStringList.Create; Log := TStringList.Create;
  if SL.OnChange = nil then WriteLn('no handler at start');
  SL.OnChange := @Changed; SL.OnChanging := @Changing;
  WriteLn('add'); SL.Add('b'); SL.Add('a');
  WriteLn('sort'); SL.Sort;
  WriteLn('sorted'); SL.Sorted := True; SL.Sort; SL.Sorted := True;
  WriteLn('insert refused'); SL.Sorted := False;
  try SL.Insert(9, 'z'); except WriteLn('  ' + ExceptionParam); end;
  WriteLn('insert'); SL.Insert(0, 'z');
  WriteLn('put'); SL[0] := 'y';
  WriteLn('delete'); SL.Delete(0);
  WriteLn('exchange'); SL.Exchange(0, 1);
  WriteLn('text'); SL.Text := 'p' + #13#10 + 'q';
  WriteLn('comma'); SL.CommaText := 'r,s,t';
  WriteLn('move'); SL.Move(0, 2);
  WriteLn('update'); SL.BeginUpdate; SL.Add('u'); SL.BeginUpdate; SL.Add('w'); SL.EndUpdate; SL.EndUpdate;
  WriteLn('values'); SL.Values['k'] := 'v';
  WriteLn('clear'); SL.Clear; SL.Clear;
  WriteLn('empty text'); SL.Text := '';
  WriteLn('called'); E := SL.OnChange; E(SL);
  SL.OnChange := nil; SL.Add('x');
  if SL.OnChange = nil then WriteLn('handler removed');
  WriteLn(IntToStr(N) + ' changes, ' + IntToStr(Log.Count) + ' changing');
  SL.Free; Log.Free;
  Result := True;
end;
