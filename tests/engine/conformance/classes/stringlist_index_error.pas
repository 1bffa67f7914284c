{ Reading past the end of a TStringList raises the RTL's list error. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  S: string;
begin
  L := TStringList.Create;
  L.Add('only');
  try
    S := L[5];
  except
    WriteLn('caught ' + IntToStr(Ord(ExceptionType)) + ' ' + ExceptionParam);
  end;
  L.Free;
  Result := True;
end;
