{ Format with fewer arguments than directives, caught. }
function Main(var V: Variant): Boolean;
begin
  try
    WriteLn(Format('%d %d', [1]));
  except
    WriteLn('caught ' + IntToStr(Ord(ExceptionType)) + ' ' + ExceptionParam);
  end;
  Result := True;
end;
