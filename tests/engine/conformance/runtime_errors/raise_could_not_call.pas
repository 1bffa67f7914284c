{ Uncaught erCouldNotCallProc shows its param in parentheses. }
function Main(var V: Variant): Boolean;
begin
  RaiseException(erCouldNotCallProc, 'detail');
  Result := True;
end;
