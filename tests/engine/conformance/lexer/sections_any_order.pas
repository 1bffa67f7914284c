{ Top-level const/type/var sections and routines can come in any order and repeat. }
const
  A = 2;
var
  X: Integer;
type
  TPair = record
    L, R: Integer;
  end;

const
  B = A + 5;

procedure SetX;
begin
  X := A * B;
end;

var
  P: TPair;
type
  TNums = array of Integer;
var
  N: TNums;
const
  C = B * 3;

function Main(var V: Variant): Boolean;
begin
  SetX;
  P.L := X; P.R := C;
  SetLength(N, 2);
  N[0] := P.L; N[1] := P.R;
  WriteLn('X=' + IntToStr(X) + ' C=' + IntToStr(C) + ' N=' + IntToStr(N[0]) + ',' + IntToStr(N[1]));
  Result := True;
end;
