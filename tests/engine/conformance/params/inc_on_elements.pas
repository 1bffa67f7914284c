{ Inc/Dec and var parameters on array elements, record fields and nested fields. }
type
  TInner = record
    N: Integer;
  end;
  TOuter = record
    Inner: TInner;
    List: array of Integer;
  end;
function Main(var V: Variant): Boolean;
var
  A: array of Integer;
  S: array[1..2] of Byte;
  R: TOuter;
begin
  SetLength(A, 2);
  Inc(A[1]); Inc(A[1]); Dec(A[0]);
  WriteLn('A=' + IntToStr(A[0]) + ',' + IntToStr(A[1]));
  S[2] := 255; Inc(S[2]);
  WriteLn('S[2]=' + IntToStr(S[2]));
  Inc(R.Inner.N);
  SetLength(R.List, 1);
  Inc(R.List[0]);
  WriteLn('R=' + IntToStr(R.Inner.N) + ',' + IntToStr(R.List[0]));
  Result := True;
end;
