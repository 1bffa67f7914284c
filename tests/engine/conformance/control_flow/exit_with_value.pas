{ Exit(value) sets Result and leaves the function.  The reference engine
  fails to compile this with "Internal error (20)"; we accept it (deliberate
  difference, see README). }
function F(N: Integer): Integer;
begin
  if N > 0 then Exit(N * 2);
  Result := -1;
end;
function Main(var V: Variant): Boolean;
begin
  WriteLn(IntToStr(F(5)) + ' ' + IntToStr(F(0)));
  Result := True;
end;
