{ Labels of another kind than the selector: a Char selector takes a number
  (its ordinal), an Integer selector takes a Char range but not a single
  Char; the other mixes fail with "Type Mismatch" when the label is tested. }
function Main(var V: Variant): Boolean;
var
  I: Integer;
  C: Char;
  S: string;
begin
  I := 65; C := 'A'; S := 'A';
  case C of 65: WriteLn('char selector, number label: hit'); end;
  case I of 60..'Z': WriteLn('integer selector, mixed range: hit'); end;
  case I of 'A'..'Z': WriteLn('integer selector, char range: hit'); end;
  try
    case C of 60..70: WriteLn('not reached'); end;
  except
    WriteLn('char selector, number range: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  try
    case S of 'B': WriteLn('no'); 65: WriteLn('not reached'); end;
  except
    WriteLn('string selector, number label: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  try
    case I of 65: WriteLn('first label matches first'); 'x': WriteLn('not reached'); end;
    case I of 66: WriteLn('no'); 'x': WriteLn('not reached'); end;
  except
    WriteLn('integer selector, char label: ' + ExceptionToString(ExceptionType, ExceptionParam));
  end;
  Result := True;
end;
