{ Main declared as a procedure. }
procedure Main(var V: Variant);
begin
  WriteLn('should not run');
end;
