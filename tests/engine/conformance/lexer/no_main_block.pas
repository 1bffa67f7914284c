{ No main block and no closing "end.": the file simply ends after the last
  routine.  Also entry points Initialize and Finalize, which run mode calls
  around Main. }
var
  Trace: string;

function Initialize(var V: Variant): Boolean;
begin
  Trace := Trace + 'I';
  WriteLn('Initialize sees V empty: ' + IntToStr(VarType(V)));
  V := 42;
  Result := True;
end;

function Main(var V: Variant): Boolean;
begin
  Trace := Trace + 'M';
  WriteLn('Main: trace=' + Trace + ' vartype=' + IntToStr(VarType(V)));
  Result := False;
end;

function Finalize(var V: Variant): Boolean;
begin
  Trace := Trace + 'F';
  WriteLn('Finalize: trace=' + Trace);
  V := Trace;
  Result := True;
end;
