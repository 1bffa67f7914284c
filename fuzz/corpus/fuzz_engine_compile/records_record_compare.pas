{ Records of plain integers compared with = and <>. }
type
  TP = record
    X, Y: Integer;
    B: Byte;
  end;
function BS(B: Boolean): string;
begin
  if B then Result := 'True' else Result := 'False';
end;
function Main(var V: Variant): Boolean;
var
  A, B: TP;
begin
  WriteLn('zero records equal: ' + BS(A = B));
  A.X := 1; B.X := 1; A.Y := -5; B.Y := -5;
  WriteLn('equal fields: ' + BS(A = B) + ' <> ' + BS(A <> B));
  B.B := 2;
  WriteLn('B differs: ' + BS(A = B) + ' <> ' + BS(A <> B));
  Result := True;
end;
