{ Records: field access, value semantics, nested records, zero initialisation,
  records with arrays, with-statement. }
type
  TPoint = record
    X, Y: Integer;
  end;
  TShape = record
    Name: string;
    Origin: TPoint;
    Pts: array of TPoint;
    Tags: array[0..1] of string;
  end;
function Main(var V: Variant): Boolean;
var
  A, B: TShape;
  P: TPoint;
begin
  WriteLn('zero: [' + A.Name + '] ' + IntToStr(A.Origin.X) + ' ' + IntToStr(Length(A.Pts)));
  A.Name := 'box';
  A.Origin.X := 3; A.Origin.Y := 4;
  SetLength(A.Pts, 2);
  A.Pts[1].X := 9;
  A.Tags[1] := 'tag';
  B := A;
  B.Name := 'copy'; B.Origin.X := 30; B.Tags[1] := 'changed';
  WriteLn(A.Name + ' ' + IntToStr(A.Origin.X) + ' ' + A.Tags[1] + ' / ' + B.Name + ' ' + IntToStr(B.Origin.X) + ' ' + B.Tags[1]);
  B.Pts[1].X := 99;
  WriteLn('shared dynamic array field: A.Pts[1].X=' + IntToStr(A.Pts[1].X));
  P := A.Origin;
  P.Y := 40;
  WriteLn('A.Origin.Y=' + IntToStr(A.Origin.Y) + ' P.Y=' + IntToStr(P.Y));
  with A.Origin do
  begin
    X := X + 100;
    WriteLn('with: ' + IntToStr(X) + ',' + IntToStr(Y));
  end;
  Result := True;
end;
