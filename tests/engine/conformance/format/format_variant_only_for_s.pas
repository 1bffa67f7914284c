{ A Variant in Format's argument list serves %s whatever it holds; %d, %x and
  %f reject it even when it holds a number of the right kind. }
procedure Try1(const F: string; X: Variant);
begin
  try
    WriteLn(Format(F, [X]));
  except
    WriteLn(F + ' -> ' + ExceptionParam);
  end;
end;
function Main(var V: Variant): Boolean;
var
  X: Variant;
begin
  X := 12; Try1('[%s]', X); Try1('[%d]', X); Try1('[%x]', X);
  X := 1.5; Try1('[%s]', X); Try1('[%f]', X);
  X := True; Try1('[%s]', X);
  X := 'abc'; Try1('[%4s]', X);
  WriteLn(Format('%s and %d', [X, 3]));
  Result := True;
end;
