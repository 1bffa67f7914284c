{ Appends "I{NAME} " on Initialize and "F{NAME} " on Finalize to the log file. }
procedure Append(const S: string);
var
  H: Integer;
begin
  H := FileOpen('{LOG}', 2);
  FileSeek(H, 0, 2);
  FileWrite(H, S, Length(S));
  FileClose(H);
end;

function Initialize(var V: Variant): Boolean;
begin
  Append('I{NAME} ');
  Result := True;
end;

function Finalize(var V: Variant): Boolean;
begin
  Append('F{NAME} ');
  Result := True;
end;
