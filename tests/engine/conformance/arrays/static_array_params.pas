{ Static arrays passed by value (copied), by var, and returned from functions;
  arrays of records inside static arrays. }
type
  TTriple = array[0..2] of Integer;
  TItem = record
    Code: Integer;
  end;
  TItems = array[1..2] of TItem;
procedure ByValue(A: TTriple);
begin
  A[0] := 100;
end;
procedure ByVar(var A: TTriple);
begin
  A[0] := 200;
end;
function Make(X: Integer): TTriple;
begin
  Result[0] := X; Result[1] := X + 1; Result[2] := X + 2;
end;
function Main(var V: Variant): Boolean;
var
  T: TTriple;
  Items, Copy2: TItems;
begin
  T := Make(7);
  WriteLn(IntToStr(T[0]) + IntToStr(T[1]) + IntToStr(T[2]));
  ByValue(T); WriteLn('after ByValue ' + IntToStr(T[0]));
  ByVar(T); WriteLn('after ByVar ' + IntToStr(T[0]));
  Items[1].Code := 5;
  Copy2 := Items;
  Copy2[1].Code := 6;
  WriteLn('items ' + IntToStr(Items[1].Code) + ' copy ' + IntToStr(Copy2[1].Code));
  Result := True;
end;
