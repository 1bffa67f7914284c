function Main(var V: Variant): Boolean;
  Result := True;
end;
