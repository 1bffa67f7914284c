{ case on integers: single labels, lists, ranges, else, no match without else,
  negative labels. }
function Kind(I: Integer): string;
begin
  case I of
    0: Result := 'zero';
    1, 2, 3: Result := 'small';
    4..9: Result := 'medium';
    -5..-1: Result := 'negative';
    100: Result := 'hundred';
  else
    Result := 'other';
  end;
end;
function Main(var V: Variant): Boolean;
var
  I: Integer;
  S: string;
begin
  S := '';
  for I := -6 to 11 do S := S + Kind(I) + ' ';
  WriteLn(S);
  WriteLn(Kind(100) + ' ' + Kind(2147483647));
  S := 'unchanged';
  case 50 of
    1: S := 'one';
  end;
  WriteLn('no match: ' + S);
  Result := True;
end;
