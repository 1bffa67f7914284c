{ Dynamic array of records: field access through the index, copying an element. }
type
  TItem = record
    Name: string;
    N: Integer;
  end;
function Main(var V: Variant): Boolean;
var
  A: array of TItem;
  T: TItem;
begin
  SetLength(A, 2);
  A[0].Name := 'first'; A[0].N := 1;
  A[1] := A[0];
  A[1].N := 2;
  T := A[1];
  T.Name := 'copy';
  WriteLn(A[0].Name + IntToStr(A[0].N) + ' ' + A[1].Name + IntToStr(A[1].N) + ' ' + T.Name);
  Result := True;
end;
