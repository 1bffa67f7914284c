{ Global arrays keep their contents between entry points. }
var
  Store: array of string;
  Fixed: array[0..1] of Integer;
function Initialize(var V: Variant): Boolean;
begin
  SetLength(Store, 2);
  Store[0] := 'kept';
  Fixed[1] := 9;
  Result := True;
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn('Main sees ' + Store[0] + ' ' + IntToStr(Length(Store)) + ' ' + IntToStr(Fixed[1]));
  Store[1] := 'added';
  Result := True;
end;
function Finalize(var V: Variant): Boolean;
begin
  WriteLn('Finalize sees ' + Store[1]);
  Result := True;
end;
