{ The semicolon between statements may be left out after an assignment, a
  call, a begin..end block, repeat..until, case..end and try..end. }
function Main(var V: Variant): Boolean;
var
  I, J: Integer;
begin
  I := 1
  J := 2
  WriteLn('I=' + IntToStr(I) + ' J=' + IntToStr(J))
  Inc(I)
  begin I := I + 10 end
  repeat I := I + 1 until I > 12
  case I of 13: J := 5; end
  try J := J + 1 finally J := J * 2 end
  WriteLn('I=' + IntToStr(I) + ' J=' + IntToStr(J)) WriteLn('same line')
  Result := True
end;
