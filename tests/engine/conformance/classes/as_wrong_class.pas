{ "as" with an object of another class is a run-time error. }
function Main(var V: Variant): Boolean;
var
  L: TStringList;
  O: TObject;
  C: TComponent;
begin
  C := TComponent.Create(nil);
  O := C;
  try
    L := O as TStringList;
    WriteLn('cast passed');
  except
    WriteLn('caught ' + IntToStr(Ord(ExceptionType)));
  end;
  O := nil;
  L := O as TStringList;
  if L = nil then WriteLn('nil stays nil');
  C.Free;
  Result := True;
end;
