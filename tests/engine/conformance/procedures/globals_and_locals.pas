{ Globals persist between entry points; locals are fresh (zeroed) on every call;
  a local hides a global of the same name. }
var
  G: Integer;
  Shadow: string;
function Counter: Integer;
var
  L: Integer;
begin
  L := L + 1;
  G := G + 1;
  Result := L * 100 + G;
end;
function Initialize(var V: Variant): Boolean;
begin
  G := 10;
  Shadow := 'global';
  Result := True;
end;
function Main(var V: Variant): Boolean;
var
  Shadow: string;
begin
  Shadow := 'local';
  WriteLn(IntToStr(Counter) + ' ' + IntToStr(Counter) + ' ' + IntToStr(Counter));
  WriteLn('Shadow=' + Shadow);
  Result := True;
end;
function Finalize(var V: Variant): Boolean;
begin
  WriteLn('G=' + IntToStr(G) + ' Shadow=' + Shadow);
  Result := True;
end;
