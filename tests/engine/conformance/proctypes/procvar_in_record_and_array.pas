{ Procedural values stored in a record field and in an array, called through them. }
type
  TOp = function(A, B: Integer): Integer;
  TEntry = record
    Name: string;
    Op: TOp;
  end;
function Add(A, B: Integer): Integer;
begin
  Result := A + B;
end;
function Mul(A, B: Integer): Integer;
begin
  Result := A * B;
end;
function Main(var V: Variant): Boolean;
var
  Table: array of TEntry;
  I: Integer;
  F: TOp;
begin
  SetLength(Table, 2);
  Table[0].Name := 'add'; Table[0].Op := @Add;
  Table[1].Name := 'mul'; Table[1].Op := @Mul;
  for I := 0 to 1 do
  begin
    F := Table[I].Op;
    WriteLn(Table[I].Name + ' ' + IntToStr(F(6, 7)));
  end;
  Result := True;
end;
