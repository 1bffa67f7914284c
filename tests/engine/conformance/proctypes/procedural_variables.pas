{ Procedural types: assignment with @, calling, passing as parameters, nil comparison. }
type
  TIntFunc = function(A: Integer): Integer;
  TProc = procedure(const S: string);
function Double2(A: Integer): Integer;
begin
  Result := A * 2;
end;
function Square(A: Integer): Integer;
begin
  Result := A * A;
end;
procedure Say(const S: string);
begin
  WriteLn('say ' + S);
end;
function Apply(F: TIntFunc; X: Integer): Integer;
begin
  Result := F(X);
end;
function Main(var V: Variant): Boolean;
var
  F: TIntFunc;
  P: TProc;
begin
  F := @Double2;
  WriteLn('F(5)=' + IntToStr(F(5)));
  F := @Square;
  WriteLn('F(5)=' + IntToStr(F(5)) + ' Apply=' + IntToStr(Apply(@Double2, 7)));
  if F <> nil then WriteLn('F assigned');
  P := @Say;
  P('hello');
  F := nil;
  if F = nil then WriteLn('F nil again');
  Result := True;
end;
