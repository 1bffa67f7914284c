{ A main block only: it is never run. }
begin
  WriteLn('never');
end.
